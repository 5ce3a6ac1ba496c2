#pragma once
// A key/value list of a view (`VarList`, `VarList_1`): two read-only columns under their title captions.
#include "views/view_rows.h"

#include <QTableWidget>
#include <vector>

namespace zep {

class ParameterList : public QTableWidget {
    Q_OBJECT
public:
    ParameterList(const QString& objectName, QWidget* parent = nullptr);

    void set_titles(const QString& key, const QString& value);
    // A continuation key ("... <2>") gets blanks before it until it reaches, in the list's font, the
    // width of the first row's key less 10 pixels.
    void set_rows(const std::vector<ListRow>& rows);

    QString key(int row) const;
    QString value(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit_key_column();
};

} // namespace zep
