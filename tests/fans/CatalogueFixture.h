#pragma once

#include "common/CatalogueStore.h"
#include "common/StoreImport.h"
#include "fans/FanCatalogue.h"
#include "fans/FanCatalogueSchema.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A fan catalogue built from a fixture folder of tests/fans/fixtures and put behind the alias VOzuvada
// for the lifetime of the test.
class CatalogueFixture : public ::testing::Test {
protected:
    void useCatalogue(const QString& fixtureFolder)
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("vozuvada.sqlite"));
        store::importTsvFolder(testSourcePath(QStringLiteral("fans/fixtures/") + fixtureFolder), m_path,
            fans::knownCatalogueTableDef);
        store::setAliasOverride(store::vozuvadaAlias(), m_path);
    }
    void SetUp() override { useCatalogue(QStringLiteral("catalogue")); }
    void TearDown() override
    {
        store::clearAliasOverrides();
        fans::FanCatalogue::invalidate();
    }

    QTemporaryDir m_dir;
    QString m_path;
};
