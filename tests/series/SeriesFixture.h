#pragma once

#include "common/CatalogueStore.h"
#include "common/StoreImport.h"
#include "fans/FanCatalogue.h"
#include "fans/FanCatalogueSchema.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A small fan catalogue for the series overview, built into a SQLite file of a temporary folder behind the
// alias VOzuvada: "Canal R" (five round duct fans), "Rect S" (a rectangular fan and a hand-named one),
// "Podpor P" (three pressurization fans, the middle one tabulated with static pressures), "Roof K" (two
// roof fans with labels placed by hand, one beyond its curve) and the smoke-exhaust series "Smk A" and
// "Smk W".
class SeriesCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_config.engine = store::Engine::Sqlite;
        m_config.database = m_dir.filePath(QStringLiteral("vozuvada.sqlite"));
        store::importTsvFolder(testSourcePath(QStringLiteral("series/fixtures/catalogue")), m_config.database,
            fans::knownCatalogueTableDef);
        store::setAliasOverride(store::vozuvadaAlias(), m_config);
        fans::FanCatalogue::invalidate();
    }
    void TearDown() override
    {
        store::clearAliasOverrides();
        fans::FanCatalogue::invalidate();
    }

    QString cataloguePath() const { return m_config.database; }
    const store::AliasConfig& catalogueConfig() const { return m_config; }

private:
    QTemporaryDir m_dir;
    store::AliasConfig m_config;
};
