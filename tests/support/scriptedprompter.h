#pragma once

#include "platform/prompter.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <gtest/gtest.h>

namespace bw::test {

// Answers every question from a script and records what was shown.
// A question without a scripted answer fails the test and is answered No / Cancel. It must not
// throw: the question may come from inside Qt's signal dispatch.
class ScriptedPrompter final : public Prompter {
public:
    struct Shown {
        QString kind; // "info", "warning", "error", "yesno", "yesnocancel", "warnyesno", dialogs
        QString text;
    };

    ScriptedPrompter() { InstallPrompter(this); }
    ~ScriptedPrompter() override { InstallPrompter(nullptr); }

    std::deque<YesNoCancel> answers;  // for AskYesNo / AskYesNoCancel / AskWarningYesNo
    std::deque<QString> fileAnswers;  // for the file and folder dialogs; "" is Cancel
    std::vector<Shown> shown;

    void ShowInfo(const QString& t) override { shown.push_back({"info", t}); }
    void ShowWarning(const QString& t) override { shown.push_back({"warning", t}); }
    void ShowError(const QString& t) override { shown.push_back({"error", t}); }
    bool AskYesNo(const QString& t) override {
        shown.push_back({"yesno", t});
        return next() == YesNoCancel::Yes;
    }
    YesNoCancel AskYesNoCancel(const QString& t) override {
        shown.push_back({"yesnocancel", t});
        return next();
    }
    bool AskWarningYesNo(const QString& t) override {
        shown.push_back({"warnyesno", t});
        return next() == YesNoCancel::Yes;
    }
    QString GetOpenFileName(const QString& title, const QString& folder, const QString&,
                            const QString&) override {
        shown.push_back({"open", title + QLatin1Char('|') + folder});
        return nextFile();
    }
    QString GetSaveFileName(const QString& title, const QString& folder, const QString&,
                            const QString&, const QString&) override {
        shown.push_back({"save", title + QLatin1Char('|') + folder});
        return nextFile();
    }
    QString GetFolder(const QString& title, const QString& folder) override {
        shown.push_back({"folder", title + QLatin1Char('|') + folder});
        return nextFile();
    }

    QStringList texts(const QString& kind) const {
        QStringList out;
        for (const auto& s : shown)
            if (s.kind == kind)
                out << s.text;
        return out;
    }
    int count(const QString& kind) const { return texts(kind).size(); }

private:
    YesNoCancel next() {
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question: " << shown.back().text.toStdString();
            return YesNoCancel::Cancel;
        }
        YesNoCancel a = answers.front();
        answers.pop_front();
        return a;
    }
    QString nextFile() {
        if (fileAnswers.empty()) {
            ADD_FAILURE() << "unscripted file dialog: " << shown.back().text.toStdString();
            return {};
        }
        QString a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

} // namespace bw::test
