// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/animation.h"
#include "platform/display_settings.h"
#include "platform/product.h"
#include "platform/services.h"
#include "platform/setup_controls.h"
#include "platform/setup_file.h"
#include "view/pointer.h"
#include "view/shared_state.h"
#include "view/simulated_water.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QToolButton;

namespace wave {

class Canvas;
class HelpWindow;
class HuygensPages;
class InterferencePanel;
class TProfrm;
class TWhoami;
class Tpattfrm;
class Notebook;
class SlitPanel;
class WaveView;

// The main window: the wave view above, the chosen product's controls below, the menus.
// It chooses the product from the name it was started under at every activation and is
// the one mediator between the products' panels.
class TInterference : public QMainWindow, private PointerHost {
    Q_OBJECT
public:
    TInterference(const QString &programName, Services services);

    SharedState state;

    QFrame *interpl;
    WaveView *Panel1;
    QFrame *Panel2;
    Notebook *huynb;
    HuygensPages *huygens;
    SlitPanel *sslit;
    InterferencePanel *Varying;
    QToolButton *BitBtn1;

    // The practice and light pattern windows, created with the main window, shown modally.
    TProfrm *Profrm;
    Tpattfrm *pattfrm;
    // The user-name dialog; the name typed there heads every picture print.
    TWhoami *Whoami;

    // Lesson set-ups
    QMenu *Setup1, *Examples1, *Recent1;
    QAction *NewSetup1, *OpenSetup1, *SaveSetup1, *SaveSetupAs1, *ClearRecent1;

    QMenu *File1;
    QAction *Copy2, *print2, *PrintSerup1, *EnableCopySelect1, *UserName1;
    QMenu *View1;
    QMenu *Experiments1;
    QAction *TwopointInterference1, *nodepath1;
    QMenu *Help1;
    QAction *MeasurementPractice1, *About1, *Return1;
    // Exports and the help.
    QAction *ExportPicture1, *ExportData1, *Contents1;
    // Records the product's moving picture as a GIF or PNG frames.
    QAction *RecordAnimation1;
    HelpWindow *helpWindow;
    QMenu *printtry;
    QAction *Print3, *Copy3;
    // How the pictures are shown in front of a class.
    QMenu *Display1, *Colours1;
    QAction *ZoomIn1, *ZoomOut1, *ZoomReset1, *FullScreen1, *LargeDisplay1;
    QAction *ColoursStandard1, *ColoursSafe1, *ColoursDark1;
    // The language from the next start: the system's or one of the shipped ones.
    QMenu *Language1;
    QAction *LanguageSystem1;
    // The simulated water under the wave view and the construction over it.
    QAction *SimulateWater1, *ShowConstruction1;

    Product product() const { return product_; }
    int zoom() const { return zoom_; }
    // Every picture of the program at this zoom, 1 to 4; the window grows with it.
    void setZoom(int zoom);
    void setColours(PaletteKind kind);
    void FullScreen1Click(bool on);
    void LargeDisplay1Click(bool on);

    void FormActivate();
    void FormDeactivate();
    void About1Click();
    void LightbtClick();
    void lihtbtClick();
    void MeasurementPractice1Click();
    // Printing, copying and the user name.
    void Print3Click();
    void prntbtClick();
    void PrintSerup1Click();
    void Copy1Click();
    void UserName1Click();
    void ExportPicture1Click();
    void ExportData1Click();
    void RecordAnimation1Click();
    // The moving picture of the product shown, as a recording takes it.
    Animation animation() const;
    void Contents1Click();
    // The picture as the screen shows it: the view with the detail map when it is shown.
    QImage exportedPicture();
    // The same picture drawn again onto another surface, lines as lines, over the simulated
    // water when it is on: the vector exports, and any frame of the view drawn off screen.
    void drawPicture(Canvas &canvas);
    // Every modal window of the program opens between a deactivation and an activation.
    void runModal(const std::function<void()> &show);

    // Shows the window and sets its product up; a set-up named on the command line opens in
    // it, and the window becomes that set-up's product whatever name it was started under.
    void start(const QString &setupPath = {});
    // Opens a set-up in its product: in this window when it is this window's product, else in
    // a new window of that product, which the user is told. A bad file is shown in a box and
    // changes nothing.
    void openSetup(const QString &path);
    void NewSetup1Click();
    void OpenSetup1Click();
    void SaveSetup1Click();
    void SaveSetupAs1Click();
    // The set-up file shown, empty after New.
    QString setupPath() const { return setupPath_; }
    // Where "Open Example" finds the shipped lessons; it lists them anew.
    void setExamplesFolder(const QString &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The pointer on the wave view.
    PointerControls controls() const override;
    void placeMeasurePoint(int X, int Y) override;
    void drawinter() override;
    void lrbt() override;
    void refractbttry() override;
    void opening() override;
    void setCaption(MeasureLabel label, const QString &text) override;
    void showSelection(const QRect &frame) override;
    bool selectionShown() const override;
    void finishSelection() override;
    void connectPointer();
    void connectHuygens();
    void connectOutput();
    void connectExport();
    void drawShownMap(Canvas &canvas);
    // The product's construction alone, on its ground.
    void drawConstruction(Canvas &canvas);
    void printPage(const Printer::DrawPage &draw);

    void buildPanels();
    void buildMenus();
    void buildDisplayMenu();
    void buildLanguageMenu();
    void buildWaterMenu();
    void redrawProduct();
    void buildSetupMenu();
    void fillRecent();
    SetupValues productSettings() const;
    SetupCheck applyToProduct(const SetupValues &values, const SetupValues &base = {});
    bool openSetupHere(const QString &path, const SetupFile &setup);
    void saveSetupTo(const QString &path);
    void showCaption();
    void FormCreate();
    void FormResize();

    QString programName_;
    Services services_;
    Product product_ = Product::Interference;
    DisplaySettings display_;
    SimulatedWater water_;
    // A recording's frames with the water under the construction's.
    Animation withWater(Animation construction) const;
    int zoom_ = 1;
    bool fullScreen_ = false;
    // The set-up file shown, with the settings it gave; reapplied after the product's reset at
    // every activation, as the lesson's own reset values.
    QString setupPath_;
    SetupFile setup_;
    // Each product's settings at its first activation: what "New Set-up" goes back to.
    QMap<Product, SetupValues> startupSettings_;
    // Set while a command-line file may still choose the product.
    bool adoptProduct_ = false;
    QString examplesFolder_;
    // The wavefront page's " Angle" choice: checked in the layout, unchecked by every
    // deactivation; in the single-slit product it makes releases fix the protractor's points.
};

} // namespace wave
