// The button rows of Options, MA and Start Time: left-to-right order and the button
// Enter presses. A button row may make its first accept button the default on show,
// which Start Time must not get.
#include "MAinpU.h"
#include "SatSU.h"
#include "VorschauU.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace kelvora {
namespace {

std::string ButtonsLeftToRight(QWidget* dialog) {
    QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [dialog](QPushButton* a, QPushButton* b) {
        return a->mapTo(dialog, QPoint()).x() < b->mapTo(dialog, QPoint()).x();
    });
    QStringList names;
    for (QPushButton* b : buttons) names << b->objectName();
    return names.join(' ').toStdString();
}

// Shows the dialog, presses Enter where the focus is and returns the buttons clicked.
std::string EnterClicks(QDialog* dialog) {
    dialog->show();
    QApplication::processEvents();
    QStringList clicked;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        QObject::connect(b, &QPushButton::clicked, dialog, [&clicked, b] { clicked << b->objectName(); });
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : dialog, Qt::Key_Return);
    return clicked.join(' ').toStdString();
}

TEST(DialogButtons, OrderAndEnterButton) {
    QTemporaryDir folder;
    TAppState app;
    app.DataFolder = folder.path() + "/";
    struct Case {
        const char* dialog;
        std::unique_ptr<QDialog> window;
        std::string order;
        std::string enter;
    };
    Case cases[] = {
        {"Options", std::make_unique<TSatSetup>(app, 1024), "Abbrechen cmdOK", "Abbrechen"},
        {"MA", std::make_unique<TMAInp>(15), "cmdOK cmdCancel", "cmdOK"},
        {"Start Time", std::make_unique<TVorschau>(), "cmdStartOk cmdStartCancel cmdReset", ""},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        EXPECT_EQ(EnterClicks(c.window.get()), c.enter);
        EXPECT_EQ(ButtonsLeftToRight(c.window.get()), c.order);
    }
}

}  // namespace
}  // namespace kelvora
