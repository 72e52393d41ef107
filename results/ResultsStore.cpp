#include "results/ResultsStore.h"

#include "results/SqlResultsStore.h"
#include "results/StoreSchema.h"

CResultsStore::~CResultsStore() = default;

int CResultsStore::schemaVersion()
{
    return CStoreSchema::kVersion;
}

std::unique_ptr<CResultsStore> CResultsStore::open(const std::string& url, std::string* error)
{
    CStoreUrl parsed;
    if (!CStoreUrl::parse(url, &parsed, error))
        return nullptr;
    auto store = std::make_unique<CSqlResultsStore>();
    if (!store->open(parsed, error))
        return nullptr;
    return store;
}
