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

    // Answers with saveAnswer under saveFilterAnswer, or under the first of
    // the filters offered, as a dialog whose filter the user left alone.
    std::optional<platform::SaveFileChoice> chooseSaveFile(const QString&, const QString& suggestedPath,
                                                           const QString& filters) override {
        saveSuggestions << suggestedPath;
        saveFilters << filters;
        if (!saveAnswer) return std::nullopt;
        return platform::SaveFileChoice{*saveAnswer,
                                        saveFilterAnswer.value_or(filters.section(QStringLiteral(";;"), 0, 0))};
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
    std::optional<QString> saveFilterAnswer;
    QStringList saveSuggestions;
    QStringList saveFilters;
};

}  // namespace varnel::app::test
