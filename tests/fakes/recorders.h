#pragma once
// Recorders standing in for the message box, sleeping, the browser and the file chooser.

#include <functional>
#include <string>
#include <vector>

#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/sleeper.h"
#include "platform/url_opener.h"

namespace kavel::test {

struct ShownMessage {
    std::string text;
    MessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

class MessageRecorder final : public IMessageBox {
public:
    void Show(const std::string& text, MessageIcon icon) override {
        shown.push_back({text, icon});
        if (on_show) on_show(text);
    }
    std::vector<ShownMessage> shown;
    std::function<void(const std::string&)> on_show;  // runs while the "box" is up
};

class SleepRecorder final : public ISleeper {
public:
    void Sleep(unsigned milliseconds) override {
        pauses.push_back(milliseconds);
        if (on_sleep) on_sleep();
    }
    std::vector<unsigned> pauses;
    std::function<void()> on_sleep;  // runs during the pause
};

class UrlRecorder final : public IUrlOpener {
public:
    void Open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

class ScriptedFileChooser final : public IFileChooser {
public:
    std::string ChooseOpenFile(const FileChooserRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::string answer;  // empty: the user cancels
    std::vector<FileChooserRequest> requests;
};

}  // namespace kavel::test
