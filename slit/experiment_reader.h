// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wave {

// The five values of an experiment data file, as written.
struct ExperimentRecord {
    int hide = 0;   // 0 show all, 1 hide the screen distance, 2 the slit, 3 the wavelength
    int kind = 1;   // 1 single slit, 2 double slit
    int screen = 0; // bar positions
    int slit = 0;
    int wave = 0;

    bool operator==(const ExperimentRecord &) const = default;
};

enum class ReadStatus {
    Loaded,    // five values after the marker line
    NoData,    // no marker line, or fewer than five values after it
    BadNumber, // a value that is no decimal integer or does not fit an int
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::NoData;
    ExperimentRecord record;
};

// Reads an experiment data file fed in pieces of any size, so that a file is never held
// whole: comment lines up to the line "Start Data", then five integers separated by white
// space. Lines may end in LF, CR LF or CR, and a UTF-8 byte-order mark may open the file.
// Memory use is fixed, whatever the length of a line or a value.
class ExperimentReader {
public:
    // Takes the next piece of the file; ignored once done().
    void feed(std::string_view piece);
    // True once the outcome is known and the rest of the file does not matter.
    bool done() const { return phase_ == Phase::Done; }
    // The end of the file.
    ReadOutcome finish();

private:
    enum class Phase { Bom, Comments, Data, Done };

    void take(char c);
    void commentByte(char c);
    void endComment();
    void dataByte(char c);
    void endValue();
    void fail(ReadStatus status);

    Phase phase_ = Phase::Bom;
    ReadOutcome outcome_;

    std::size_t bomMatched_ = 0;

    static constexpr std::string_view marker_ = "Start Data";
    std::array<char, marker_.size()> line_{};
    std::size_t lineLength_ = 0; // counts on past line_'s size, capped one beyond it
    bool afterCr_ = false;

    std::array<int, 5> values_{};
    std::size_t valueCount_ = 0;
    bool inValue_ = false;
    bool negative_ = false;
    bool digits_ = false;
    std::int64_t magnitude_ = 0;
};

} // namespace wave
