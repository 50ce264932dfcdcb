// The Software Update dialog as a check leaves it, in the user's theme: a newer version with
// its page to open, and a check that failed.

#include "render_settings/SettingsRenderStates.h"

#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "menubar/UpdateResultDialog.h"
#include "support/RenderTool.h"

#include <QUrl>

namespace {

bool renderUpdateDialog(SettingsRenderContext &context)
{
    InMemorySettingsRepository store;
    ThemeManager theme(store, nullptr);
    theme.setAppTheme(context.scheme() == ColorScheme::dark ? AppTheme::dark : AppTheme::light);
    const std::pair<const char *, UpdateCheckResult> results[] = {
        {"update-dialog-newer",
         UpdateCheckResult::newerVersion("1.5.0", "1.4.0", QUrl("https://lumenpause.example/1.5"))},
        {"update-dialog-failed", UpdateCheckResult::feedUnreadable("The server did not answer.")},
    };
    bool saved = true;
    for (const auto &[name, result] : results) {
        UpdateResultDialog dialog(theme, nullptr, [](const QUrl &) { return true; });
        dialog.showResult(result);
        settleEvents();
        saved = context.save(QString::fromLatin1(name), renderWidget(dialog, context.scale())) && saved;
    }
    return saved;
}

const SettingsRenderStates::Registration updateDialog("update-dialog", renderUpdateDialog);

} // namespace
