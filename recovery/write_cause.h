#pragma once
// Why writing into the recovery folder failed, in the user's words.

#include <QString>

namespace verstak {

// The cause for the system's error number `error` (errno).
QString WriteFailureCause(int error);

}  // namespace verstak
