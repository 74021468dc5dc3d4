#pragma once
#include <QString>
#include <QStringList>

namespace kelvora {

// Everything the operator is told or asked goes through this interface: the window
// shows real message boxes, tests answer from a script, unattended runs write to
// standard error and take the default answer.
class IOperatorPrompt {
public:
    enum class Icon { Information, Warning, Error };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~IOperatorPrompt() = default;
    virtual void Message(const QString& text, Icon icon = Icon::Information) = 0;
    // Yes/No question; defaultAnswer is what an unattended run takes.
    virtual Answer Question(const QString& text, Answer defaultAnswer = Answer::Yes, Icon icon = Icon::Information) = 0;
    // Returns the chosen path, or an empty text when cancelled.
    virtual QString OpenFile(const QString& caption, const QString& folder, const QString& filter) = 0;

    // The station asked for once on the first start. Returns false to keep the defaults.
    struct Station {
        double latitude = 0;
        double eastLongitude = 0;
        QString heightMetres;
        QString zone;
    };
    virtual bool AskStation(Station& station) = 0;
};

// Writes every message to standard error and answers with the default button, or
// with the answer KELVORA_UNATTENDED_ANSWER names ("Yes" or "No"), so that a run
// without anybody at the screen can take either branch of a question; file dialogs
// are cancelled and the station keeps its defaults.
class UnattendedPrompt : public IOperatorPrompt {
public:
    void Message(const QString& text, Icon icon) override;
    Answer Question(const QString& text, Answer defaultAnswer, Icon icon) override;
    QString OpenFile(const QString& caption, const QString& folder, const QString& filter) override;
    bool AskStation(Station& station) override;
};

}  // namespace kelvora
