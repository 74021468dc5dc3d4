#include "OperatorPrompt.h"

#include <cstdio>

namespace kelvora {

namespace {
void WriteLine(const char* prefix, const QString& text) {
    QString flat = text;
    flat.replace('\n', " | ");
    std::fprintf(stderr, "%s%s\n", prefix, flat.toLocal8Bit().constData());
    std::fflush(stderr);
}
}  // namespace

void UnattendedPrompt::Message(const QString& text, Icon icon) {
    WriteLine(icon == Icon::Information ? "kelvoraiss: " : "kelvoraiss: warning: ", text);
}

IOperatorPrompt::Answer UnattendedPrompt::Question(const QString& text, Answer defaultAnswer, Icon) {
    const QString fixed = qEnvironmentVariable("KELVORA_UNATTENDED_ANSWER");
    Answer answer = defaultAnswer;
    if (fixed.compare("Yes", Qt::CaseInsensitive) == 0) answer = Answer::Yes;
    if (fixed.compare("No", Qt::CaseInsensitive) == 0) answer = Answer::No;
    WriteLine("kelvoraiss: question: ", text);
    WriteLine("kelvoraiss: answered: ", answer == Answer::Yes ? "Yes" : "No");
    return answer;
}

QString UnattendedPrompt::OpenFile(const QString& caption, const QString&, const QString&) {
    WriteLine("kelvoraiss: file dialog cancelled: ", caption);
    return QString();
}

bool UnattendedPrompt::AskStation(Station&) {
    WriteLine("kelvoraiss: ", "station settings kept at their defaults");
    return false;
}

}  // namespace kelvora
