#pragma once

#include "Types.h"

#include <memory>
#include <string>
#include <string_view>

class MenuBar;

// The application object: its version data and the application's menu bar. A program derives
// its own class and registers one object with RuntimeRegisterAppObject.
class Application {
  public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual std::string ClassName() const { return "Application"; }

    void SetVersionData(Int64 majorVersion, Int64 minorVersion, Int64 bugVersion,
                        Int64 nonReleaseVersion, Int64 stageCode, std::string longVersion,
                        std::string shortVersion, std::string packageInfo);
    Int64 MajorVersion() const { return majorVersion_; }
    Int64 MinorVersion() const { return minorVersion_; }
    Int64 BugVersion() const { return bugVersion_; }
    Int64 NonReleaseVersion() const { return nonReleaseVersion_; }
    Int64 StageCode() const { return stageCode_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    const std::shared_ptr<::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<::MenuBar> bar) { menuBar_ = std::move(bar); }

  private:
    Int64 majorVersion_ = 0;
    Int64 minorVersion_ = 0;
    Int64 bugVersion_ = 0;
    Int64 nonReleaseVersion_ = 0;
    Int64 stageCode_ = 0;
    std::string longVersion_;
    std::string shortVersion_;
    std::string packageInfo_;
    std::shared_ptr<::MenuBar> menuBar_;
};
