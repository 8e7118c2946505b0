// SPDX-License-Identifier: GPL-3.0-or-later
#include "slit/experiment_reader.h"

#include <limits>

namespace wave {

namespace {

constexpr std::string_view bom = "\xEF\xBB\xBF";

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

void ExperimentReader::feed(std::string_view piece)
{
    for (char c : piece) {
        if (phase_ == Phase::Done)
            return;
        take(c);
    }
}

void ExperimentReader::take(char c)
{
    switch (phase_) {
    case Phase::Bom:
        if (c == bom[bomMatched_]) {
            if (++bomMatched_ == bom.size())
                phase_ = Phase::Comments;
            return;
        }
        // Not a byte-order mark after all: what looked like one is text of the first line.
        phase_ = Phase::Comments;
        for (std::size_t k = 0; k < bomMatched_; ++k)
            commentByte(bom[k]);
        commentByte(c);
        return;
    case Phase::Comments:
        commentByte(c);
        return;
    case Phase::Data:
        dataByte(c);
        return;
    case Phase::Done:
        return;
    }
}

void ExperimentReader::commentByte(char c)
{
    if (c == '\n' && afterCr_) {
        afterCr_ = false;
        return;
    }
    afterCr_ = c == '\r';
    if (c == '\r' || c == '\n') {
        endComment();
        return;
    }
    // Only the first bytes matter: a longer line cannot be the marker.
    if (lineLength_ < line_.size())
        line_[lineLength_] = c;
    if (lineLength_ <= line_.size())
        ++lineLength_;
}

void ExperimentReader::endComment()
{
    if (lineLength_ == marker_.size() && std::string_view(line_.data(), line_.size()) == marker_)
        phase_ = Phase::Data;
    lineLength_ = 0;
}

void ExperimentReader::dataByte(char c)
{
    if (blank(c)) {
        if (inValue_)
            endValue();
        return;
    }
    if (!inValue_) {
        inValue_ = true;
        negative_ = false;
        digits_ = false;
        magnitude_ = 0;
        if (c == '+' || c == '-') {
            negative_ = c == '-';
            return;
        }
    }
    if (c < '0' || c > '9') {
        fail(ReadStatus::BadNumber);
        return;
    }
    digits_ = true;
    magnitude_ = magnitude_ * 10 + (c - '0');
    // One beyond the largest magnitude an int can take, so that a long run of digits cannot
    // overflow the accumulator.
    if (magnitude_ > std::int64_t(std::numeric_limits<int>::max()) + 1)
        fail(ReadStatus::BadNumber);
}

void ExperimentReader::endValue()
{
    inValue_ = false;
    const std::int64_t value = negative_ ? -magnitude_ : magnitude_;
    if (!digits_ || value > std::numeric_limits<int>::max()) {
        fail(ReadStatus::BadNumber);
        return;
    }
    values_[valueCount_++] = static_cast<int>(value);
    if (valueCount_ == values_.size()) {
        outcome_.status = ReadStatus::Loaded;
        outcome_.record = {values_[0], values_[1], values_[2], values_[3], values_[4]};
        phase_ = Phase::Done;
    }
}

void ExperimentReader::fail(ReadStatus status)
{
    outcome_.status = status;
    phase_ = Phase::Done;
}

ReadOutcome ExperimentReader::finish()
{
    if (phase_ == Phase::Comments && lineLength_ > 0)
        endComment(); // the last line may end without a line end
    if (phase_ == Phase::Data && inValue_)
        endValue();
    if (phase_ != Phase::Done)
        fail(ReadStatus::NoData);
    return outcome_;
}

} // namespace wave
