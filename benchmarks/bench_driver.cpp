// Driver calls per second, for a read-only call and for one that commits a
// tape line: to the built-in emulator, and over TCP on loopback to a device
// server running on its own thread in this process.
#include "driver/Kassio.h"
#include "driver/PortMap.h"
#include "emulator/DeviceServer.h"
#include "emulator/EmulatedRegister.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A device server living on its own thread and event loop.
class ServerThread
{
public:
    explicit ServerThread(const QString &stateFile)
        : m_server(new emu::DeviceServer(emu::EmulatedRegister::shared(stateFile)))
    {
        m_server->moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            m_server, [this] { m_port = m_server->listen() ? m_server->port() : 0; }, Qt::BlockingQueuedConnection);
    }
    ~ServerThread()
    {
        QMetaObject::invokeMethod(m_server, [s = m_server] { delete s; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    quint16 port() const { return m_port; }

private:
    QThread m_thread;
    emu::DeviceServer *m_server; // deleted on its own thread
    quint16 m_port = 0;
};

void callLoop(benchmark::State &state, TKassio &k, kassio::MethodId method)
{
    for (auto _ : state) {
        if (k.call(method) != 0) {
            state.SkipWithError(k.ResultCodeDescription.toStdString().c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void registerCalls(const std::string &link, TKassio &k)
{
    k.StringForPrinting = QStringLiteral("Строка для бенчмарка");
    benchmark::RegisterBenchmark((link + "/GetShortECRStatus").c_str(), [&k](benchmark::State &s) {
        callLoop(s, k, kassio::MethodId::GetShortECRStatus);
    })->UseRealTime();
    benchmark::RegisterBenchmark((link + "/PrintString").c_str(), [&k](benchmark::State &s) {
        callLoop(s, k, kassio::MethodId::PrintString);
    })->UseRealTime();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    // Settings and state files of our own, whatever the user has configured.
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("KASSIO_EMULATOR_STATE", home.filePath("builtin.db").toLocal8Bit());
    QCoreApplication app(argc, argv);

    TKassio builtIn;
    builtIn.ConnectionType = 0;
    builtIn.ComNumber = kassio::PortMap::BuiltInEmulatorCom;

    const ServerThread server(home.filePath("tcp.db"));
    if (server.port() == 0)
        return 1;
    TKassio tcp;
    tcp.ConnectionType = 6;
    tcp.IPAddress = QStringLiteral("127.0.0.1");
    tcp.TCPPort = server.port();

    registerCalls("BuiltIn", builtIn);
    registerCalls("Tcp", tcp);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
