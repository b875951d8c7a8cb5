#pragma once

#include "common/CatalogueStore.h"
#include "common/StoreImport.h"
#include "fans/FanCatalogue.h"
#include "fans/FanCatalogueSchema.h"
#include "support/StoreEngines.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// A fan catalogue built from a fixture folder of tests/fans/fixtures into a fresh database of each
// engine, behind the alias VOzuvada for the lifetime of the test. Suites end with
// ZFN_ON_EVERY_ENGINE(Suite).
class CatalogueFixture : public storeengines::StoreEngineTest {
protected:
    // Replaces the catalogue tables with those of the fixture folder.
    void useCatalogue(const QString& fixtureFolder)
    {
        store::importTsvFolder(testSourcePath(QStringLiteral("fans/fixtures/") + fixtureFolder), config(),
            fans::knownCatalogueTableDef);
        reconnect();
        store::setAliasOverride(store::vozuvadaAlias(), config());
    }
    void SetUp() override
    {
        StoreEngineTest::SetUp();
        if (!IsSkipped() && !HasFailure())
            useCatalogue(QStringLiteral("catalogue"));
    }
    void TearDown() override
    {
        StoreEngineTest::TearDown();
        fans::FanCatalogue::invalidate();
    }
};
