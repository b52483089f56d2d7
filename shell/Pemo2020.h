#pragma once

#include <memory>
#include <string>

class Picture;

// The about picture, read from the application's resources. The file is read again on each
// call while no read has given a picture; once one has, every call answers that same picture.
std::shared_ptr<Picture> Pemo2020();

// For tests: the resource file the picture is read from (an unknown name makes every read give
// nothing), and forgetting the cached picture as if the process had just started.
namespace Pemo2020Testing {
void SetFileName(std::string fileName);
void ResetCache();
} // namespace Pemo2020Testing
