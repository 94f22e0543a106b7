#include "platform/prompter.h"

#include <QFileInfo>

std::optional<QString> Prompter::chooseFile(FileRequest request, QWidget* parent) {
    const bool askToCreate =
        request.kind == FileRequest::Kind::Save && (request.flags & CreatePrompt) != 0;
    for (;;) {
        std::optional<QString> chosen = fileName(request, parent);
        if (!chosen || !askToCreate || QFileInfo::exists(*chosen))
            return chosen;
        const QString question =
            QFileInfo(*chosen).fileName() +
            QStringLiteral("\nこのファイルは存在しません。\nファイルを作成しますか？");
        if (message({question, request.title, Buttons::YesNo, Icon::Warning}, parent) ==
            Answer::Yes)
            return chosen;
        request.fileName = *chosen;
    }
}
