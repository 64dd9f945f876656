// Stands in for the message boxes and dialogs: records every message and
// answers the questions and dialogs from a script.
#pragma once

#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "windowkit/UserDialogs.h"

namespace varnel::app::test {

class RecordingDialogs : public platform::UserDialogs {
public:
    void show(const platform::UserMessage& message) override { messages.push_back(message); }

    bool confirm(const platform::UserMessage& message) override {
        messages.push_back(message);
        questions.push_back(message);
        return confirmAnswer;
    }

    std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) override {
        folderTitles << title;
        folderStarts << startFolder;
        if (folderAnswers.empty()) return std::nullopt;
        // Copied out as a plain text: a copied optional text trips a false
        // "maybe uninitialized" warning of the compiler.
        const bool answered = folderAnswers.front().has_value();
        const QString answer = folderAnswers.front().value_or(QString());
        folderAnswers.pop_front();
        if (!answered) return std::nullopt;
        return answer;
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

    std::vector<platform::UserMessage> messages;  // every box, questions included
    std::vector<platform::UserMessage> questions;
    bool confirmAnswer = false;                        // false: the user chooses Cancel
    std::deque<std::optional<QString>> folderAnswers;  // nothing: the user cancels
    QStringList folderTitles;
    QStringList folderStarts;
    std::optional<QString> saveAnswer;
    QStringList saveSuggestions;
};

}  // namespace varnel::app::test
