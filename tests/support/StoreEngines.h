#pragma once

#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "common/StoreSettings.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Tests of the store that run once per engine: SQLite and PostgreSQL. The PostgreSQL server is the one
// ZFN_TEST_POSTGRES names ("postgresql://USER@HOST:PORT/DATABASE"; scripts/test starts a throwaway one
// and sets it). Without a reachable server the PostgreSQL cases are skipped, unless
// ZFN_TEST_POSTGRES_REQUIRED=1 says that they must run.
//
// A suite derives its fixture from StoreEngineTest, writes TEST_P cases and ends with
// ZFN_ON_EVERY_ENGINE(Suite). Each case gets a fresh empty database of its engine (config(), db()).
namespace storeengines {

inline const char* serverVariable = "ZFN_TEST_POSTGRES";

inline std::optional<store::AliasConfig> testServer()
{
    return store::postgresUrlConfig(qEnvironmentVariable(serverVariable));
}

inline QString engineName(store::Engine engine)
{
    return engine == store::Engine::Sqlite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

// A fresh database for one test: a SQLite file in a temporary folder, or a database made on the test
// server for this test and dropped after it.
class ScratchDatabase {
public:
    ScratchDatabase() = default;
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;
    ~ScratchDatabase() { drop(); }

    // Makes the database; an empty text when done, else why it cannot be made.
    QString create(store::Engine engine)
    {
        try {
            if (engine == store::Engine::Sqlite) {
                m_config.engine = store::Engine::Sqlite;
                m_config.database = m_dir.filePath(QStringLiteral("scratch.sqlite"));
                store::OwnConnection file(m_config, true);
                QSqlQuery(file.db()).exec(QStringLiteral("PRAGMA user_version = 1"));
            } else {
                const auto server = testServer();
                if (!server)
                    return QStringLiteral("%1 is not set").arg(QLatin1String(serverVariable));
                m_server = *server;
                static int made = 0;
                m_config = m_server;
                m_config.database
                    = QStringLiteral("zfn_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
                adminStatement(QStringLiteral("CREATE DATABASE \"%1\"").arg(m_config.database));
                m_created = true;
            }
            m_connection = std::make_unique<store::OwnConnection>(m_config);
        } catch (const CatalogueError& error) {
            return error.message();
        }
        return {};
    }

    const store::AliasConfig& config() const { return m_config; }
    QSqlDatabase db() const { return m_connection->db(); }
    // A new connection, e.g. after an import put a new SQLite file in place of the old one.
    void reconnect()
    {
        m_connection.reset();
        m_connection = std::make_unique<store::OwnConnection>(m_config);
    }

private:
    void adminStatement(const QString& sql) const
    {
        store::OwnConnection admin(m_server);
        QSqlQuery query(admin.db());
        if (!query.exec(sql))
            throw CatalogueError(query.lastError().text());
    }

    void drop()
    {
        m_connection.reset();
        if (!m_created)
            return;
        m_created = false;
        try {
            adminStatement(
                QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(m_config.database));
        } catch (const CatalogueError& error) {
            ADD_FAILURE() << "dropping " << m_config.database.toStdString() << ": " << error.what();
        }
    }

    QTemporaryDir m_dir;
    store::AliasConfig m_server;
    store::AliasConfig m_config;
    std::unique_ptr<store::OwnConnection> m_connection;
    bool m_created = false;
};

class StoreEngineTest : public ::testing::TestWithParam<store::Engine> {
protected:
    void SetUp() override
    {
        const QString problem = m_scratch.create(GetParam());
        if (problem.isEmpty())
            return;
        if (GetParam() == store::Engine::Postgres
            && qEnvironmentVariableIntValue("ZFN_TEST_POSTGRES_REQUIRED") == 0)
            GTEST_SKIP() << "PostgreSQL cases skipped: no test server (" << problem.toStdString()
                         << "). scripts/test starts one of its own; or set " << serverVariable
                         << "=postgresql://USER@HOST:PORT/DATABASE";
        FAIL() << engineName(GetParam()).toStdString() << " database for the test: " << problem.toStdString();
    }
    void TearDown() override { store::clearAliasOverrides(); }

    store::Engine engine() const { return GetParam(); }
    const store::AliasConfig& config() const { return m_scratch.config(); }
    QSqlDatabase db() const { return m_scratch.db(); }
    void reconnect() { m_scratch.reconnect(); }

private:
    ScratchDatabase m_scratch;
};

inline std::string paramName(const ::testing::TestParamInfo<store::Engine>& info)
{
    return engineName(info.param).toStdString();
}

} // namespace storeengines

#define ZFN_ON_EVERY_ENGINE(suite)                                                                           \
    INSTANTIATE_TEST_SUITE_P(Engines, suite,                                                                 \
        ::testing::Values(store::Engine::Sqlite, store::Engine::Postgres), storeengines::paramName)
