#include "Application.h"

#include "Menu.h"

void Application::SetVersionData(Int64 majorVersion, Int64 minorVersion, Int64 bugVersion,
                                 Int64 nonReleaseVersion, Int64 stageCode, std::string longVersion,
                                 std::string shortVersion, std::string packageInfo) {
    majorVersion_ = majorVersion;
    minorVersion_ = minorVersion;
    bugVersion_ = bugVersion;
    nonReleaseVersion_ = nonReleaseVersion;
    stageCode_ = stageCode;
    longVersion_ = std::move(longVersion);
    shortVersion_ = std::move(shortVersion);
    packageInfo_ = std::move(packageInfo);
}
