#pragma once

#include <QLockFile>

#include <memory>

// One running copy of the program per user: a lock file in the temporary
// directory, released when the process ends, even by a crash.
class SingleInstance {
public:
    SingleInstance();
    // False when another running instance holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};
