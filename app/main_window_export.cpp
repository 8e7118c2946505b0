// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "help/help_window.h"
#include "huygens/huygens_pages.h"
#include "interference/interference_panel.h"
#include "measure/practice_window.h"
#include "platform/bitmap_canvas.h"
#include "platform/export_files.h"
#include "record/record_dialog.h"
#include "slit/light_window.h"
#include "slit/slit_panel.h"
#include "view/wave_view.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace wave {

void TInterference::connectExport()
{
    ExportPicture1 = new QAction(tr("E&xport Picture..."), this);
    ExportPicture1->setObjectName(QStringLiteral("ExportPicture1"));
    ExportPicture1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    ExportData1 = new QAction(tr("Export &Data..."), this);
    ExportData1->setObjectName(QStringLiteral("ExportData1"));
    RecordAnimation1 = new QAction(tr("Record &Animation..."), this);
    RecordAnimation1->setObjectName(QStringLiteral("RecordAnimation1"));
    RecordAnimation1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    // Beside printing and copying, ahead of the user name.
    const QAction *separator = File1->actions().at(File1->actions().indexOf(UserName1) - 1);
    File1->insertActions(const_cast<QAction *>(separator),
                         {ExportPicture1, ExportData1, RecordAnimation1});
    connect(ExportPicture1, &QAction::triggered, this, &TInterference::ExportPicture1Click);
    connect(ExportData1, &QAction::triggered, this, &TInterference::ExportData1Click);
    connect(RecordAnimation1, &QAction::triggered, this, &TInterference::RecordAnimation1Click);

    Contents1 = new QAction(tr("&Contents"), this);
    Contents1->setObjectName(QStringLiteral("Contents1"));
    Contents1->setShortcut(QKeySequence(Qt::Key_F1));
    Help1->insertAction(MeasurementPractice1, Contents1);
    connect(Contents1, &QAction::triggered, this, &TInterference::Contents1Click);

    helpWindow = new HelpWindow(this);
    pattfrm->showHelp = [this] { helpWindow->showPage(QStringLiteral("light.html"), pattfrm); };
    Profrm->showHelp = [this] { helpWindow->showPage(QStringLiteral("practice.html"), Profrm); };
}

void TInterference::drawPicture(Canvas &canvas)
{
    if (water_.on()) {
        // The water is a picture of its own, with the construction laid over it as on screen.
        QImage picture(viewWidth, viewHeight, QImage::Format_RGB32);
        BitmapCanvas bitmap(picture);
        drawConstruction(bitmap);
        water_.compose(picture, state.colours);
        canvas.copyFrom(picture, picture.rect(), QPoint(0, 0), CopyMode::Plain);
    } else {
        drawConstruction(canvas);
    }
    drawShownMap(canvas);
}

void TInterference::drawConstruction(Canvas &canvas)
{
    switch (product_) {
    case Product::Interference:
        Varying->drawPicture(canvas);
        break;
    case Product::Huygens:
        huygens->drawPicture(canvas);
        break;
    case Product::SingleSlit:
        sslit->drawPicture(canvas);
        break;
    }
}

void TInterference::drawShownMap(Canvas &canvas)
{
    // The detail map lies over the view as a picture of its own.
    for (ImageView *map : {Panel1->mim1, Panel1->mim2}) {
        if (!map->isHidden())
            canvas.copyFrom(map->image(), map->image().rect(),
                            map->pos() - QPoint(viewOffset, viewOffset), CopyMode::Plain);
    }
}

QImage TInterference::exportedPicture()
{
    QImage picture = Panel1->water->image().copy();
    BitmapCanvas canvas(picture);
    drawShownMap(canvas);
    return picture;
}

void TInterference::ExportPicture1Click()
{
    exportPictureFile(
        this, services_.files, services_.dialogs, exportedPicture(),
        [this](Canvas &canvas) { drawPicture(canvas); }, windowTitle());
}

void TInterference::ExportData1Click()
{
    const QByteArray csv = Varying->bandData(productInfo(product_).caption);
    if (csv.isEmpty()) {
        services_.dialogs.message(
            this, MessageKind::Information, tr("Export Data"),
            tr("There is no intensity band to export.\nSwitch on \" Show "
               "Instantaneous Amplitude\" or \" Show Average Amplitude\" on the "
               "\"Animation Controls\" page first."));
        return;
    }
    exportDataFile(this, services_.files, services_.dialogs, csv);
}

Animation TInterference::animation() const
{
    Animation animation;
    switch (product_) {
    case Product::Huygens:
        animation = huygens->animation();
        break;
    case Product::SingleSlit:
        animation = sslit->animation();
        break;
    case Product::Interference:
        animation = Varying->animation();
        break;
    }
    return water_.on() ? withWater(std::move(animation)) : animation;
}

Animation TInterference::withWater(Animation construction) const
{
    // The water runs on in a copy from how it is now; it never comes back exactly, so there
    // is no loop to offer.
    auto start = std::make_shared<SimulatedWater>(1);
    start->copyFrom(water_);
    auto water = std::make_shared<SimulatedWater>(1);
    QRect map;
    for (const ImageView *shown : {Panel1->mim1, Panel1->mim2})
        if (!shown->isHidden())
            map = QRect(shown->pos() - QPoint(viewOffset, viewOffset), shown->size());
    Animation animation = construction;
    animation.period = 0;
    animation.coloursGrow = true;
    animation.drawFrame = [draw = construction.drawFrame, size = construction.size, start, water,
                           map, colours = state.colours](Canvas &canvas, int k) {
        if (k == 0)
            water->copyFrom(*start);
        else
            water->tick();
        QImage picture(size, QImage::Format_RGB32);
        BitmapCanvas bitmap(picture);
        draw(bitmap, k);
        // The detail map lies over the water, as on the screen.
        const QImage mapped = map.isEmpty() ? QImage() : picture.copy(map);
        water->compose(picture, colours);
        if (!mapped.isNull())
            bitmap.copyFrom(mapped, mapped.rect(), map.topLeft(), CopyMode::Plain);
        canvas.copyFrom(picture, picture.rect(), QPoint(0, 0), CopyMode::Plain);
    };
    return animation;
}

void TInterference::RecordAnimation1Click()
{
    recordAnimation(this, services_.dialogs, services_.files, animation());
}

void TInterference::Contents1Click()
{
    // An open lesson's help page, headed by what its author says of it.
    const QString product = helpPageForContext(Help1->property("helpContext").toInt());
    if (setupPath_.isEmpty())
        helpWindow->showPage(product, this);
    else
        helpWindow->showPage(helpPages().contains(setup_.help) ? setup_.help : product, this,
                             setup_.title, setup_.description);
}

} // namespace wave
