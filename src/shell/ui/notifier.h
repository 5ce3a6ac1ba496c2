#pragma once
// Every message box of the program goes through a Notifier: the desktop shows QMessageBoxes, tests
// record the messages and answer questions themselves.
#include <QString>
#include <vector>

class QWidget;

namespace zep {

class Notifier {
public:
    enum class Kind { Warning, Information, Question };
    virtual ~Notifier() = default;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Yes/No; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
};

class MessageBoxNotifier : public Notifier {
public:
    void warning(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
};

class RecordingNotifier : public Notifier {
public:
    struct Message {
        Kind kind;
        QString text;
    };
    std::vector<Message> messages;
    bool answer = false; // what every question is answered

    void warning(QWidget*, const QString& text) override { messages.push_back({Kind::Warning, text}); }
    void information(QWidget*, const QString& text) override {
        messages.push_back({Kind::Information, text});
    }
    bool question(QWidget*, const QString& text) override {
        messages.push_back({Kind::Question, text});
        return answer;
    }
};

} // namespace zep
