// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QScrollBar;
class QWidget;

namespace wave {

class SpokenLabel;

// What screen readers get from our controls beyond Qt's own: bars that report the quantity
// their label shows, lists named for what they choose, angle readings spoken in degrees, the
// pictures as images and the program's name as the window system shows it. Readers see these
// through Qt's accessibility interfaces, which the platform's bridge (AT-SPI) reads.

// Installs the interfaces; every function below does it too, so calling it is only needed
// before the first window exists.
void installReaderInterfaces();

// The bar's accessible value is the last number of `shown(position)`, the text its label
// shows at that position, spoken with `unit` ("pixels", "degrees"; none when empty).
void readLikeLabel(QScrollBar *bar, std::function<QString(int)> shown, const QString &unit = {});
// For a bar whose label shows no number: the value is the position, spoken as `words` puts it.
void readInWords(QScrollBar *bar, std::function<QString(int)> words);
// A bar that sets an animation's speed: "Speed 45 of 50: the waves move on every 120
// milliseconds", from the tick in milliseconds at each position.
void readAsSpeed(QScrollBar *bar, std::function<int(int)> interval, const QString &moving);

// A reading whose degree sign is the letter "o" in a label of its own: the reading says
// "degrees" and the mark is no object of its own for a reader.
void readDegrees(SpokenLabel *reading, SpokenLabel *mark);

// Leaves the widget out of the accessible tree: a flag that only its button changes.
void keepFromReaders(QWidget *widget);

} // namespace wave
