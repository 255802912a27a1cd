// A real PostgreSQL server of its own: a cluster made with initdb in a scratch
// folder, on a free loopback port, with the depot's two logins: its owner, who
// makes the tables, and the benches' login, which may only add and read.
// Passwords are in a password file of its own. As root the server runs as an
// unprivileged user, as PostgreSQL insists. The tests and the bench both use it.
#pragma once

#include "tests/support/programs.h"

#include <cstdlib>
#include <fstream>
#include <glob.h>
#include <netinet/in.h>
#include <pwd.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

class PostgresCluster {
public:
    // Made and started; Error() says what went wrong, if anything did.
    PostgresCluster()
    {
        char pattern[] = "/tmp/vigilon-postgres-XXXXXX";
        m_root = ::mkdtemp(pattern);
        glob_t found{};
        if (::glob("/usr/lib/postgresql/*/bin/initdb", 0, nullptr, &found) == 0 && found.gl_pathc > 0) {
            const std::string initdb = found.gl_pathv[found.gl_pathc - 1];
            m_bin = initdb.substr(0, initdb.size() - std::string("/initdb").size());
        }
        ::globfree(&found);
        if (m_bin.empty()) {
            m_error = "no PostgreSQL server is installed (scripts/install-deps installs it)";
            return;
        }
        m_data = m_root + "/cluster";
        m_port = FreePort();
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::chown(m_root.c_str(), nobody->pw_uid, nobody->pw_gid) != 0) {
                m_error = "cannot give the server's folder to an unprivileged user";
                return;
            }
            m_asUser = true;
        }
        const ProgramResult made = AsServer(m_bin + "/initdb", { "-D", m_data, "-U", "postgres", "--auth-local=trust",
                                                                 "--auth-host=scram-sha-256", "-E", "UTF8", "--no-sync" });
        if (made.status != 0) {
            m_error = "initdb failed: " + made.out + made.err;
            return;
        }
        if (!Start())
            return;
        for (const char* statement :
             { "CREATE ROLE depot_owner LOGIN PASSWORD 'owner-secret'", "CREATE DATABASE depot OWNER depot_owner",
               "CREATE ROLE bench LOGIN PASSWORD 'bench-secret'" })
            Sql(statement, "postgres");
        passwordFile = m_root + "/pgpass";
        std::ofstream(passwordFile) << "127.0.0.1:" << m_port << ":depot:depot_owner:owner-secret\n"
                                    << "127.0.0.1:" << m_port << ":depot:bench:bench-secret\n";
        ::chmod(passwordFile.c_str(), 0600);
    }

    ~PostgresCluster()
    {
        Stop();
        const std::string command = "rm -rf '" + m_root + "'";
        if (std::system(command.c_str()) != 0)
            m_error = "could not remove " + m_root;
    }

    PostgresCluster(const PostgresCluster&) = delete;
    PostgresCluster& operator=(const PostgresCluster&) = delete;

    const std::string& Error() const { return m_error; }

    bool Start()
    {
        const ProgramResult started
            = AsServer(m_bin + "/pg_ctl", { "-D", m_data, "-l", m_root + "/server.log", "-w", "-o",
                                            "-p " + std::to_string(m_port) + " -k " + m_root
                                                + " -c listen_addresses=127.0.0.1 -c fsync=off",
                                            "start" });
        m_running = started.status == 0;
        if (!m_running)
            m_error = "the server did not start: " + started.out + started.err;
        return m_running;
    }

    void Stop()
    {
        if (m_running)
            AsServer(m_bin + "/pg_ctl", { "-D", m_data, "-m", "fast", "-w", "stop" });
        m_running = false;
    }

    // "postgresql://LOGIN@127.0.0.1:PORT/depot"
    std::string Uri(const std::string& login = "bench") const
    {
        return "postgresql://" + login + "@127.0.0.1:" + std::to_string(m_port) + "/depot";
    }

    // Runs SQL as the cluster's superuser on its socket: the rows, one per
    // line, columns separated by '|'; a failure's words in Error().
    std::string Sql(const std::string& statement, const std::string& database = "depot")
    {
        const ProgramResult result = RunProgram(m_bin + "/psql", { "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-h",
                                                                   m_root, "-p", std::to_string(m_port), "-U",
                                                                   "postgres", "-d", database, "-c", statement });
        if (result.status != 0)
            m_error = statement + ": " + result.err;
        return result.out;
    }

    // What the benches' login may do, once the owner made the tables.
    void GrantBenches()
    {
        Sql("GRANT SELECT, INSERT ON entries, fleet_runs, fleet_run_ends TO bench;"
            " GRANT SELECT ON schema_version TO bench; GRANT USAGE ON SEQUENCE entries_id_seq TO bench");
    }

    std::string passwordFile;

private:
    static int FreePort()
    {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        ::close(probe);
        return ntohs(address.sin_port);
    }

    ProgramResult AsServer(const std::string& program, std::vector<std::string> args)
    {
        if (!m_asUser)
            return RunProgram(program, args);
        args.insert(args.begin(), { "-u", "nobody", "--", program });
        return RunProgram("/usr/sbin/runuser", args);
    }

    std::string m_root;
    std::string m_bin;
    std::string m_data;
    std::string m_error;
    int m_port = 0;
    bool m_asUser = false;
    bool m_running = false;
};
