#pragma once
// The operator's message boxes, question boxes and file dialogs as real windows.

#include "OperatorPrompt.h"

class QWidget;

namespace kelvora {

class QtOperatorPrompt : public IOperatorPrompt {
public:
    explicit QtOperatorPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Message(const QString& text, Icon icon) override;
    Answer Question(const QString& text, Answer defaultAnswer, Icon icon) override;
    QString OpenFile(const QString& caption, const QString& folder, const QString& filter) override;
    bool AskStation(Station& station) override;

private:
    QWidget* parent_;
};

}  // namespace kelvora
