#pragma once
// What the application's rules need from the front-end of any toolkit.

namespace kavel {

class IAppFrontEnd {
public:
    virtual ~IAppFrontEnd() = default;
    // Runs the About box modally over the main window; returns when it is closed.
    virtual void RunAboutBox() = 0;
};

}  // namespace kavel
