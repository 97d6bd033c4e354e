#pragma once

// A platform whose dialogs answer from a script and which records what the
// program showed, asked and launched, in order.

#include "platform/game_process.h"
#include "platform/platform.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <optional>

class ScriptedPlatform : public platform::Platform {
public:
    struct Message {
        QString text;
        platform::MessageIcon icon;
    };

    // What was shown.
    QList<Message> messages;
    QStringList inputPrompts;
    QStringList saveQuestions;
    QStringList confirmQuestions;
    QList<platform::FileDialogSettings> dialogsShown;
    int beeps = 0;
    QStringList log; // every call, in order: "message", "probe C:\...", "dialog", ...

    // The answers. An empty queue answers Cancel.
    QStringList inputAnswers;
    QList<platform::SaveAnswer> saveAnswers;
    QList<bool> confirmAnswers; // an empty queue answers No
    QList<std::optional<QString>> fileAnswers;
    QMap<QString, QString> settings; // "FileLoc/IniLoc" -> value
    QMap<QString, platform::FolderProbe> probes; // absent: not found
    QString nativeFolder;
    QStringList gameRosters;                // what the search for the game finds
    QMap<QString, QString> virtualStore;    // file under Program Files -> its VirtualStore copy
    QStringList processes;                  // the names of the running programs
    QMap<QString, platform::RegistryValue> registry; // "key|value name"
    QStringList registryReads;
    QSet<QString> existingFiles;
    QString dataPath;                       // the program's own folder
    QStringList launched;
    bool launchSucceeds = true;
    // When set, questions, messages and file dialogs are these real ones,
    // answered with keys (they are still recorded).
    platform::Platform* realDialogs = nullptr;

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& m : messages)
            texts.append(m.text);
        return texts;
    }

    void showMessage(QWidget* parent, const QString& text, platform::MessageIcon icon) override
    {
        messages.append({text, icon});
        log.append(QStringLiteral("message"));
        if (realDialogs)
            realDialogs->showMessage(parent, text, icon);
    }

    platform::SaveAnswer askToSave(QWidget* parent, const QString& question) override
    {
        saveQuestions.append(question);
        log.append(QStringLiteral("question"));
        if (realDialogs)
            return realDialogs->askToSave(parent, question);
        return saveAnswers.isEmpty() ? platform::SaveAnswer::Cancel : saveAnswers.takeFirst();
    }

    bool confirm(QWidget* parent, const QString& question) override
    {
        confirmQuestions.append(question);
        log.append(QStringLiteral("confirm"));
        if (realDialogs)
            return realDialogs->confirm(parent, question);
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }

    QString inputBox(QWidget*, const QString& prompt, const QString& title) override
    {
        inputPrompts.append(prompt + QLatin1Char('|') + title);
        log.append(QStringLiteral("input"));
        return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
    }

    std::optional<QString> chooseFile(QWidget* parent, const platform::FileDialogSettings& dialog) override
    {
        dialogsShown.append(dialog);
        log.append(QStringLiteral("dialog"));
        if (realDialogs)
            return realDialogs->chooseFile(parent, dialog);
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }

    std::optional<QString> chooseSaveFile(QWidget* parent, const platform::FileDialogSettings& dialog) override
    {
        dialogsShown.append(dialog);
        log.append(QStringLiteral("save dialog"));
        if (realDialogs)
            return realDialogs->chooseSaveFile(parent, dialog);
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }

    // Answered from fileAnswers too.
    std::optional<QString> chooseFolder(QWidget*, const QString& title, const QString& startFolder) override
    {
        dialogsShown.append({title, {}, startFolder, {}});
        log.append(QStringLiteral("folder dialog"));
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }

    void beep() override { ++beeps; }

    QString readSetting(const QString& section, const QString& key) override
    {
        return settings.value(section + QLatin1Char('/') + key);
    }

    void writeSetting(const QString& section, const QString& key, const QString& value) override
    {
        settings.insert(section + QLatin1Char('/') + key, value);
        log.append(QStringLiteral("remember"));
    }

    platform::FolderProbe probeFolder(const QString& windowsPath) override
    {
        log.append(QStringLiteral("probe ") + windowsPath);
        return probes.value(windowsPath, {platform::ProbeOutcome::NotFound, {}});
    }

    QString nativeGameFolder() override { return nativeFolder; }

    QStringList findGameRosters() override
    {
        log.append(QStringLiteral("search"));
        return gameRosters;
    }

    QString virtualStoreCopy(const QString& path) override { return virtualStore.value(path); }

    bool gameRunning() override
    {
        return std::any_of(processes.cbegin(), processes.cend(), platform::isGameProgram);
    }

    std::optional<platform::RegistryValue> readMachineValue(const QString& key, const QString& valueName) override
    {
        const QString address = key + QLatin1Char('|') + valueName;
        registryReads.append(address);
        if (!registry.contains(address))
            return std::nullopt;
        return registry.value(address);
    }

    bool fileExists(const QString& path) override { return existingFiles.contains(path); }

    QString dataFolder() override { return dataPath; }

    bool launch(const QString& program, QString* error) override
    {
        launched.append(program);
        if (!launchSucceeds && error)
            *error = QStringLiteral("No such file or directory");
        return launchSucceeds && !program.isEmpty();
    }
};
