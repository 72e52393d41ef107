#pragma once

#include <wx/string.h>

// Where attempts go: the results store named by --store, else the one set
// once in the host's configuration (Results/Store in evalon.conf, beside the
// application registry), else results.sqlite in
// the user's data folder; the outbox beside that default store; and the
// taker's name remembered from the last --take.
class CResultsSettings
{
public:
    // The store's URL; `option` is the --store value, empty when not given.
    static wxString storeUrl(const wxString& option);
    // The default store's URL.
    static wxString defaultStoreUrl();
    // The outbox's path, beside the default store.
    static wxString outboxPath();

    static wxString rememberedTaker();
    // False when the configuration cannot be written (the name is then
    // asked for again next time; nothing else depends on it).
    static bool rememberTaker(const wxString& name);

    // The configuration keys.
    static const char kStoreKey[];
    static const char kTakerKey[];

private:
    // The user's data folder, created when missing.
    static wxString dataFolder();
};
