// Where the working database and its empty template live, and how the
// working file is made afresh from the template.
#pragma once

#include <QString>
#include <stdexcept>

namespace varnel::store {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DataFiles {
public:
    static constexpr const char* workingFileName = "PortData.db";
    static constexpr const char* templateFileName = "CleanPortData.db";

    // The user's application data folder.
    static QString defaultFolder();

    explicit DataFiles(QString folder);
    // The working database at its own path; the template stays in folder.
    DataFiles(QString folder, QString workingPath);

    const QString& folder() const { return folder_; }
    QString workingPath() const;
    QString templatePath() const;

    // Creates the folder when missing and writes the empty template from the
    // schema when it is missing or is not exactly that (rows in it, a table
    // or column missing, damage). Throws StoreError with a readable reason.
    void ensureTemplate() const;

    // Clears a read-only mark on either file, then copies the template over the
    // working file. Throws StoreError with a readable reason.
    void makeFreshWorkingCopy() const;

private:
    QString folder_;
    QString workingPath_;
};

}  // namespace varnel::store
