// SPDX-License-Identifier: MIT
// Writing a finished file so that a failure cannot pass for success: every write is checked,
// and a file is replaced only once its new content is written whole.
#pragma once

#include <QByteArray>

namespace varnel::trueline {

// Writes data to the file named by name, byte for byte as the system names files. A regular
// file (or a new one) is written beside the target and renamed over it when whole, so that a
// failure leaves the old file, or none; a device or a pipe is written in place. 0, or the
// errno of the first failure.
int write_whole_file(const QByteArray& name, const QByteArray& data);

}  // namespace varnel::trueline
