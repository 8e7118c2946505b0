// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/bitmap_canvas.h"
#include "platform/palette.h"
#include "slit/light_experiments.h"
#include "slit/pattern_measure.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace wave {

class Clipboard;
class Dialogs;
class FileDialogs;
class ImageView;

// The light pattern window: the intensity pattern of a single or double slit on a screen,
// its three bars, measuring on the pattern, the prepared experiments and the experiment files.
// Created once; the main window shows it modally after choosing the slit kind.
class Tpattfrm : public QDialog {
    Q_OBJECT
public:
    Tpattfrm(Dialogs &dialogs, FileDialogs &files, Clipboard &clipboard, QWidget *parent = nullptr);

    // The first half of the main window's "&Light Interference" and "&Light Diffraction"
    // buttons; the window keeps the kind through the opening reset.
    void selectDoubleSlit();
    void selectSingleSlit();
    // Resets the window for a new showing, then shows it modally until it is closed.
    int exec() override;

    QMenu *File1;
    QAction *Experiment1, *Copy1, *ExportPicture1, *ExportData1, *Exit1, *Back1;
    QMenu *Help1;
    QAction *Contents1, *About1;

    // Opens the help at this window's page; the main window provides it.
    std::function<void()> showHelp;

    QFrame *Panel1;
    ImageView *outim;
    QImage patternim;
    QImage displaycolour;

    QScrollBar *scrsb, *widthsb, *wavesb;
    QLabel *scrlb, *widthlb, *wavelb;
    QRadioButton *singleslitrb, *doubleslitrb;
    QCheckBox *bwcb, *measurecb;
    QLabel *mealb;
    QLabel *Label1;
    QComboBox *Expcb;
    QToolButton *exitbt;

    QGroupBox *Savegb;
    QComboBox *Showcb;
    QPlainTextEdit *Memo1;
    QPushButton *Savebt, *Cancelbt;

    // A file was loaded through the list and the list has not been entered since.
    bool dataloaded = false;
    PatternMeasure measure;

    // The opening reset, run by exec() before every showing.
    void FormShow();
    // The pattern zoom times as large, the controls below it; and the ruler's colour.
    void setZoom(int zoom);
    void setColours(const Palette &colours);

    // named drawing operations
    void patternbt();
    void colourbt();
    void outbt();
    void probt();

    // handlers
    void scrsbChange();
    // Also the slit-kind buttons' handler: the kind names the slit in its label.
    void widthsbChange();
    void wavesbChange();
    void measurecbClick();
    void outimMouseMove(QPoint at);
    void outimMouseUp(QPoint at);
    void FormMouseMove();
    void Copy1Click();
    void ExportPicture1Click();
    void ExportData1Click();
    void About1Click();
    // The picture shown drawn again onto another surface, the ruler on it when it is shown.
    void drawPicture(Canvas &canvas) const;
    void ExpcbChange();
    void ExpcbEnter();
    void Experiment1Click();
    void Memo1Enter();
    void SavebtClick();
    void CancelbtClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    void buildMenus();
    void buildControls(QWidget *client);
    void buildSavePanel(QWidget *client);
    void connectHandlers();
    void FormCreate();
    SlitKind slitKind() const;
    PatternParams patternParams() const;
    void apply(const Experiment &experiment);
    void loadData(const QString &path);
    QList<QWidget *> settingControls() const;

    Dialogs &dialogs_;
    FileDialogs &files_;
    Clipboard &clipboard_;
    BitmapCanvas patternCanvas_;
    BitmapCanvas colourCanvas_;
    std::unique_ptr<BitmapCanvas> outCanvas_;
    int memoTag_ = 0;         // 1 once the comment box was entered since the save panel opened
    bool rulerShown_ = false; // the ruler lies on the picture shown
    int zoom_ = 1;
    Palette colours_;
    QWidget *client_ = nullptr;
};

} // namespace wave
