#pragma once
// The header of every panel from step 2 on: the task's code, name, minimised parameter, presence of
// unavailable resources and the numbers of chains and nested chains (labels Shifr_<panel>,
// Name_<panel>, MinParam_<panel>, nal_<panel>, M_<panel>, Mvl_<panel>), each after its caption.
#include <QFrame>

class QLabel;

namespace zep {

struct HeaderValues {
    QString code, name, minimised, resources, chains, nestedChains;
};

class TaskHeaderPanel : public QFrame {
    Q_OBJECT
public:
    TaskHeaderPanel(const QString& panelSuffix, QWidget* parent = nullptr);
    // Captions in the order of the values.
    void set_captions(const QStringList& captions);
    // The parameters' line is shown once step 2 has been passed.
    void set_values(const HeaderValues& values, bool parametersShown);

private:
    std::vector<QLabel*> captions_;
    std::vector<QLabel*> values_;
    std::vector<QWidget*> rows_;
};

} // namespace zep
