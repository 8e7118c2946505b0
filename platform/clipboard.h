// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

namespace wave {

// The system clipboard, behind an interface so that tests can see what was copied.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setImage(const QImage &image) = 0;
};

class QtClipboard : public Clipboard {
public:
    void setImage(const QImage &image) override;
};

} // namespace wave
