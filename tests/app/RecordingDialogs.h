// Stands in for the message boxes and dialogs: records every message and
// answers the dialogs from a script.
#pragma once

#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "platform/UserDialogs.h"

namespace varnel::app::test {

class RecordingDialogs : public platform::UserDialogs {
public:
    void show(const platform::UserMessage& message) override { messages.push_back(message); }

    std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) override {
        folderTitles << title;
        folderStarts << startFolder;
        if (folderAnswers.empty()) return std::nullopt;
        const bool chosen = folderAnswers.front().has_value();
        const QString folder = folderAnswers.front().value_or(QString());
        folderAnswers.pop_front();
        if (!chosen) return std::nullopt;
        return folder;
    }

    std::optional<QString> chooseSaveFile(const QString&, const QString& suggestedPath, const QString&) override {
        saveSuggestions << suggestedPath;
        return saveAnswer;
    }

    QStringList texts() const {
        QStringList list;
        for (const auto& message : messages) list << message.text;
        return list;
    }

    std::vector<platform::UserMessage> messages;
    std::deque<std::optional<QString>> folderAnswers;  // nothing: the user cancels
    QStringList folderTitles;
    QStringList folderStarts;
    std::optional<QString> saveAnswer;
    QStringList saveSuggestions;
};

}  // namespace varnel::app::test
