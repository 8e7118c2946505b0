// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/record_dialog.h"

#include "platform/language.h"

#include "platform/bitmap_canvas.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/gif_writer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace wave {

namespace {

QString recordTitle()
{
    return TRecord::tr("Record Animation");
}

QString secondsText(int frames, int interval)
{
    return shownNumber(frames * interval / 1000.0, 1);
}

} // namespace

TRecord::TRecord(QWidget *parent, const Animation &animation, int levels)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      animation_(animation)
{
    setObjectName(QStringLiteral("RecordDialog"));
    setWindowTitle(recordTitle());

    periodrb = new QRadioButton(tr("&One period"), this);
    periodrb->setObjectName(QStringLiteral("periodrb"));
    secondsrb = new QRadioButton(tr("&Seconds:"), this);
    secondsrb->setObjectName(QStringLiteral("secondsrb"));
    secondsse = new QSpinBox(this);
    secondsse->setObjectName(QStringLiteral("secondsse"));
    secondsse->setRange(1, mostRecordedSeconds);
    secondsse->setValue(5);
    secondsse->setAccessibleName(tr("Seconds"));
    intervalse = new QSpinBox(this);
    intervalse->setObjectName(QStringLiteral("intervalse"));
    intervalse->setRange(shortestRecordInterval, longestRecordInterval);
    intervalse->setSingleStep(10);
    intervalse->setStepType(QAbstractSpinBox::DefaultStepType);
    intervalse->setSuffix(tr(" ms"));
    intervalse->setValue(recordInterval(animation.interval));
    framelb = new QLabel(this);
    framelb->setObjectName(QStringLiteral("framelb"));
    framelb->setWordWrap(true);
    colourlb = new QLabel(this);
    colourlb->setObjectName(QStringLiteral("colourlb"));
    colourlb->setWordWrap(true);
    colourlb->setText(
        levels >= 256
            ? (animation.coloursGrow
                   ? tr("The water's shades under the construction come to more than 256 "
                        "colours as it moves. In the GIF each frame's colours are then rounded "
                        "to fewer levels of red, green and blue, so shades come in steps; PNG "
                        "frames keep every colour.")
                   : tr("The GIF keeps every colour of the picture."))
            : tr("The picture has more than 256 colours (the intensity band or the "
                 "detail map). In the GIF each colour's red, green and blue are "
                 "rounded to %1 levels, so greys and shades come in steps; PNG "
                 "frames keep every colour.")
                  .arg(levels));

    auto *seconds = new QHBoxLayout;
    seconds->addWidget(secondsrb);
    seconds->addWidget(secondsse);
    seconds->addStretch();
    auto *interval = new QFormLayout;
    auto *intervalLabel = new QLabel(tr("Frame &interval:"), this);
    intervalLabel->setBuddy(intervalse);
    interval->addRow(intervalLabel, intervalse);
    auto *buttons = new QDialogButtonBox(this);
    okbt = buttons->addButton(tr("Record..."), QDialogButtonBox::AcceptRole);
    okbt->setObjectName(QStringLiteral("okbt"));
    okbt->setDefault(true);
    cancelbt = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelbt->setObjectName(QStringLiteral("cancelbt"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(periodrb);
    layout->addLayout(seconds);
    layout->addLayout(interval);
    layout->addWidget(framelb);
    layout->addWidget(colourlb);
    layout->addWidget(buttons);
    setMinimumWidth(380);

    const bool loop = periodRecordable(animation);
    periodrb->setEnabled(loop);
    (loop ? periodrb : secondsrb)->setChecked(true);
    secondsse->setEnabled(!loop);
    connect(secondsrb, &QRadioButton::toggled, secondsse, &QWidget::setEnabled);
    // Choosing seconds goes on to how many, ready to be typed over.
    connect(secondsrb, &QRadioButton::clicked, secondsse, [this] {
        secondsse->setFocus();
        secondsse->selectAll();
    });
    connect(secondsrb, &QRadioButton::toggled, this, &TRecord::showFrames);
    connect(secondsse, &QSpinBox::valueChanged, this, &TRecord::showFrames);
    connect(intervalse, &QSpinBox::valueChanged, this, &TRecord::showFrames);
    showFrames();
}

RecordChoice TRecord::choice() const
{
    return {periodrb->isChecked(), secondsse->value(), intervalse->value()};
}

void TRecord::showFrames()
{
    const RecordChoice chosen = choice();
    const int frames = recordedFrames(animation_, chosen);
    QString text = tr("%1 frames, %2 s")
                       .arg(frames)
                       .arg(secondsText(frames, gifCentiseconds(chosen.interval) * 10));
    if (animation_.period == 0)
        text += tr("\nThis picture never comes back exactly: record it in seconds.");
    else if (!periodRecordable(animation_))
        text += tr("\nOne period is %1 frames, more than a recording takes (%2): "
                   "record it in seconds.")
                    .arg(animation_.period)
                    .arg(mostRecordedFrames);
    else if (chosen.onePeriod)
        text += tr(", a loop without a jump");
    if (!animation_.note.isEmpty())
        text += QLatin1Char('\n') + animation_.note;
    framelb->setText(text);
}

void recordAnimation(QWidget *parent, Dialogs &dialogs, FileDialogs &files,
                     const Animation &animation)
{
    QImage first(animation.size, QImage::Format_RGB32);
    BitmapCanvas canvas(first);
    animation.drawFrame(canvas, 0);
    TRecord settings(parent, animation, gifLevels(first));
    if (!dialogs.ask(settings))
        return;
    const RecordChoice choice = settings.choice();
    const QString path = files.saveFileAs(
        parent, recordTitle(),
        {{TRecord::tr("Animated GIF"), QStringLiteral("*.gif"), QStringLiteral("gif")},
         {TRecord::tr("PNG frames in a new folder"), QStringLiteral("*"), QString()}});
    if (path.isEmpty())
        return;
    const int frames = recordedFrames(animation, choice);
    const std::unique_ptr<Progress> progress =
        dialogs.progress(parent, recordTitle(),
                         TRecord::tr("Recording %1 frames into %2...")
                             .arg(frames)
                             .arg(QDir::toNativeSeparators(path)),
                         frames);
    const RecordOutcome outcome = record(path, animation, frames, choice.interval,
                                         [&progress](int done) { return progress->advance(done); });
    if (outcome.cancelled)
        dialogs.message(parent, MessageKind::Information, recordTitle(),
                        TRecord::tr("The recording was cancelled. Nothing was saved."));
    else if (!outcome.write.ok())
        dialogs.message(parent, MessageKind::Error, recordTitle(),
                        recordFailureText(path, outcome.write));
}

} // namespace wave
