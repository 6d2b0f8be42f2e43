#pragma once

#include "ui/Prompts.h"

#include <deque>
#include <functional>
#include <vector>

// Installed for the length of a test: records every message box and file
// dialog the program asks for and answers them from queues. An empty queue
// answers a message with its default button and a file dialog with "cancel".
class ScriptedPrompts : public IPrompts {
public:
    ScriptedPrompts() { Prompts::Install(this); }
    ~ScriptedPrompts() override { Prompts::Install(nullptr); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    PromptAnswer Message(const MessageRequest& request) override
    {
        messages.push_back(request);
        if (onMessage) onMessage(request);
        if (answers.empty()) return request.defaultButton;
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString File(const FileRequest& request) override
    {
        files.push_back(request);
        if (paths.empty()) return {};
        const QString path = paths.front();
        paths.pop_front();
        return path;
    }

    std::vector<MessageRequest> messages;
    std::vector<FileRequest> files;
    std::deque<PromptAnswer> answers;
    std::deque<QString> paths;
    // Runs while a message is "on screen".
    std::function<void(const MessageRequest&)> onMessage;
};
