#pragma once

#include <cstdint>

namespace edit {

/// Hold-to-repeat of a scroll arrow, timed on a monotonic clock in nanoseconds; the caller owns
/// the timer and makes the passes. A press however short makes one pass after a pause; while
/// the button stays held, one more pass follows each pause after the last pass.
class Wiederholung {
public:
    /// A pass is due only when more than this has passed since its pause began.
    static constexpr std::int64_t kPauseNs = 10'000'000;

    /// Arrow `richtung` pressed at `jetzt`: its first pass is due after a pause. Returns the
    /// direction of a pass still owed to an earlier press, to be made first, or -1.
    int gedrueckt(int richtung, std::int64_t jetzt);
    /// The direction of the pass due at `jetzt`, or -1 when none is due.
    int faellig(std::int64_t jetzt) const;
    /// The due pass was made, finishing at `jetzt`: while `gehalten` the next pause begins, otherwise the repeat ends.
    void gemacht(bool gehalten, std::int64_t jetzt);
    /// Whole milliseconds to wait from `jetzt` until the pending pass is due (0: due now); -1 when none is pending.
    int wartezeitMs(std::int64_t jetzt) const;

private:
    int richtung_ = -1;  // direction of the pending pass; -1 none
    std::int64_t pauseSeit_ = 0;
};

}  // namespace edit
