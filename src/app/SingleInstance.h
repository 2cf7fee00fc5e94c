#pragma once
// Only one copy of the editor runs at a time: the first holds a lock file
// named "Zol" in the user's runtime folder until it ends.

#include <QLockFile>

#include <memory>

namespace zol {

class SingleInstance {
public:
    SingleInstance();
    // True when another copy holds the lock. When the lock cannot be made at
    // all (no runtime folder, no rights), the editor runs without the check.
    bool anotherCopyRuns() const { return anotherCopy_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool anotherCopy_ = false;
};

} // namespace zol
