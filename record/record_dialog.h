// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recording.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace wave {

class Dialogs;
class FileDialogs;

// "Record Animation": one loop or a number of seconds, and the interval between frames. It
// tells how many frames that makes and whether the GIF keeps every colour.
class TRecord : public QDialog {
    Q_OBJECT
public:
    // `levels` is what gifLevels() finds in the picture shown now.
    TRecord(QWidget *parent, const Animation &animation, int levels);

    QRadioButton *periodrb, *secondsrb;
    QSpinBox *secondsse, *intervalse;
    QLabel *framelb, *colourlb;
    QPushButton *okbt, *cancelbt;

    RecordChoice choice() const;

private:
    void showFrames();

    const Animation &animation_;
};

// Edit > Record Animation: the dialog, then the save dialog for a .gif or a folder of PNG
// frames, then the recording with a progress box. A failure, or cancelling, is shown in a box
// and leaves nothing behind.
void recordAnimation(QWidget *parent, Dialogs &dialogs, FileDialogs &files,
                     const Animation &animation);

} // namespace wave
