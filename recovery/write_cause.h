#pragma once
// Why writing into the recovery folder failed, in the user's words.

#include <QString>

namespace verstak {

struct WriteFailure;

// The cause for the system's error number `error` (errno).
QString WriteFailureCause(int error);
// The cause of a failed write of the recovery file.
QString WriteFailureCause(const WriteFailure& failure);

}  // namespace verstak
