// The main window's transmit/receive labels and the radio keys.

#include "AusgabeU.h"
#include "UpDown.h"

#include <QKeyEvent>
#include <QLabel>

namespace kelvora {

void TAusgabe::CreateTransmitLabels() {
    const char* names[] = {"lblTxRx", "lblTxRx2", "lblTxRx3"};
    for (size_t k = 0; k < txRx_.size(); ++k) {
        auto* label = new QLabel(map_);
        label->setObjectName(names[k]);
        label->setToolTip("Click to switch TX on/off");
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(24, 16);
        label->installEventFilter(this);
        label->hide();
        txRx_[k] = label;
    }
    ShowTransmitState(false);
}

void TAusgabe::PlaceTransmitLabels() {
    const QSize size = map_->size();
    const QSize label = txRx_[0]->size();
    txRx_[0]->move(2, 2);
    txRx_[1]->move(size.width() - label.width() - 2, size.height() - label.height() - 2);
    txRx_[2]->move(size.width() - label.width() - 2, 2);
}

void TAusgabe::ShowTransmitState(bool transmit) {
    for (QLabel* label : txRx_) {
        label->setText(transmit ? "TX" : "RX");
        label->setStyleSheet(transmit ? "background: rgb(255,0,0); color: white;"
                                      : "background: rgb(0,128,0); color: white;");
    }
}

void TAusgabe::SetTransmitLabelsVisible(bool visible) {
    for (QLabel* label : txRx_) label->setVisible(visible);
}

bool TAusgabe::TransmitLabelsVisible() const { return !txRx_[0]->isHidden(); }

void TAusgabe::keyPressEvent(QKeyEvent* event) {
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    // Page Up/Down 5000 Hz, Home/End 1000, Insert/Delete 500, Up/Down 100, Right/Left 20:
    // as a click on that up-down, which is enabled only in VFO mode.
    struct DialKey {
        int up, down;
        size_t upDown;
    };
    static const DialKey dialKeys[] = {{Qt::Key_PageUp, Qt::Key_PageDown, 4},
                                       {Qt::Key_Home, Qt::Key_End, 3},
                                       {Qt::Key_Insert, Qt::Key_Delete, 2},
                                       {Qt::Key_Up, Qt::Key_Down, 1},
                                       {Qt::Key_Right, Qt::Key_Left, 0}};
    const int key = event->key();
    if (key == Qt::Key_Space) {
        if (rxTxEnabled_) emit SpaceKeyPressed();
        return;
    }
    if (key == Qt::Key_Plus && keypad) return emit CorrectionKeyPressed(100);
    if (key == Qt::Key_Minus && keypad) return emit CorrectionKeyPressed(-100);
    if (key == Qt::Key_Equal || key == Qt::Key_Plus) return emit CorrectionKeyPressed(10);
    if (key == Qt::Key_Minus) return emit CorrectionKeyPressed(-10);
    for (const DialKey& d : dialKeys) {
        if (key != d.up && key != d.down) continue;
        if (vfoSteps_[d.upDown]->isEnabled()) vfoSteps_[d.upDown]->Click(key == d.up);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace kelvora
