// A partida do programa da janela: sem o atualizador, partida normal até fechar a janela, e a
// atualização completa com os executáveis de verdade contra um serviço de atualização local.
#include <httplib.h>

#include <QProcess>
#include <QTest>
#include <fstream>
#include <memory>
#include <thread>

#include "app/janela/CaixaMensagemQt.h"
#include "app/janela/FPrinc.h"
#include "app/janela/Partida.h"
#include "tests/janela/DemoTeste.h"
#include "tests/support/BancoTeste.h"
#include "util/Texto1252.h"

namespace fs = std::filesystem;

namespace {

// Guarda o que seria mostrado, sem abrir caixa nenhuma.
class MensagensPartida : public janela::CaixaMensagemQt {
public:
    void Alerta(const std::string& m) override { textos.push_back(m); }
    void Informacao(const std::string& m) override { textos.push_back(m); }
    bool Confirmacao(const std::string& m, bool) override {
        textos.push_back(m);
        return false;
    }
    void Erro(const std::string& m, const std::string& t) override {
        textos.push_back(t + ": " + m);
    }
    void Exclamacao(const std::string& m, const std::string& t) override {
        textos.push_back(t + ": " + m);
    }
    std::vector<std::string> textos;
};

// Fecha a janela principal assim que ela aparecer.
std::unique_ptr<QTimer> FecharJanelaAoAbrir(bool& abriu) {
    auto relogio = std::make_unique<QTimer>();
    relogio->setInterval(20);
    QObject::connect(relogio.get(), &QTimer::timeout, [&abriu] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (dynamic_cast<janela::TfrmSped*>(w) && w->isVisible()) {
                abriu = true;
                w->close();
            }
    });
    relogio->start();
    return relogio;
}

}  // namespace

class PartidaTest : public QObject {
    Q_OBJECT

private:
    janela::OpcoesPartida Opcoes(const teste::DemoTeste& demo, const fs::path& pastaExecutavel) {
        janela::OpcoesPartida o;
        o.pastaExecutavel = pastaExecutavel;
        o.inicio.pastaInstalacao = demo.Pasta();
        return o;
    }

private slots:
    void semOAtualizadorAvisaETermina() {
        const teste::DemoTeste demo;
        const teste::PastaTemporaria executavel;
        MensagensPartida mensagens;
        bool abriu = false;
        const auto fechar = FecharJanelaAoAbrir(abriu);
        QCOMPARE(janela::IniciarAplicacao(Opcoes(demo, executavel.caminho()), mensagens), 0);
        QCOMPARE(mensagens.textos, std::vector<std::string>{util::W(
                                       "Vastel EFD: Não foi possível encontrar o VastelLauncher")});
        QVERIFY(!abriu);
    }

    void partidaNormalAbreAJanelaESalvaOsParametrosAoFechar() {
        const teste::DemoTeste demo;
        const teste::PastaTemporaria executavel;
        std::ofstream(executavel.caminho() / "VastelLauncher") << "";
        // Serviço de atualização fora do ar: fica no log e a partida segue.
        std::ofstream(demo.Pasta() / "Parametros.Ini", std::ios::app)
            << "[ATUALIZACAO]\r\nURL=http://127.0.0.1:1\r\n";
        MensagensPartida mensagens;
        bool abriu = false;
        const auto fechar = FecharJanelaAoAbrir(abriu);
        QCOMPARE(janela::IniciarAplicacao(Opcoes(demo, executavel.caminho()), mensagens), 0);
        QVERIFY(abriu);
        QVERIFY(mensagens.textos.empty());
        QVERIFY(fs::exists(demo.Pasta() / "VASTEL_EFD.XML"));
        QVERIFY(teste::LerConteudo(executavel.caminho() / "log.log").find("127.0.0.1") != std::string::npos);
    }

    // O programa de verdade pergunta a versão, vê uma mais nova, salva os parâmetros, passa a lista
    // de comandos ao VastelLauncher de verdade e termina; o atualizador baixa o executável novo,
    // troca o antigo e o abre.
    void atualizacaoCompleta() {
        const teste::DemoTeste demo;
        const fs::path pasta = demo.Pasta();
        fs::copy_file(EFD_PROGRAMA_JANELA, pasta / "VASTEL_EFD");
        fs::copy_file(EFD_LAUNCHER, pasta / "VastelLauncher");

        const std::string novo = "#!/bin/sh\necho \"versao nova em $(pwd)\" > reiniciado.txt\n";
        std::vector<std::string> pedidos;
        httplib::Server servidor;
        servidor.Get("/services/index.php/versao/listar",
                     [&](const httplib::Request& r, httplib::Response& resp) {
                         pedidos.push_back("versao " + r.get_param_value("programa"));
                         resp.set_content("\"1.1.84\"", "application/json");
                     });
        servidor.Get("/atualizacoes/VASTEL_EFD",
                     [&](const httplib::Request&, httplib::Response& resp) {
                         pedidos.push_back("download");
                         resp.set_content(novo, "application/octet-stream");
                     });
        const int porta = servidor.bind_to_any_port("127.0.0.1");
        std::jthread escuta([&] { servidor.listen_after_bind(); });
        // stop() antes de o laço começar não o interromperia.
        while (!servidor.is_running()) std::this_thread::yield();
        // Uma verificação que falha sai da função no meio: o servidor para e a escuta termina antes
        // de o objeto sumir (uma std::thread ainda ligada derrubaria o teste inteiro).
        const std::unique_ptr<httplib::Server, void (*)(httplib::Server*)> paraNoFim(
            &servidor, [](httplib::Server* s) { s->stop(); });
        std::ofstream(pasta / "Parametros.Ini", std::ios::app)
            << "[ATUALIZACAO]\r\nURL=http://127.0.0.1:" << porta << "\r\n";

        QProcess programa;
        programa.start(QString::fromStdString((pasta / "VASTEL_EFD").string()), {});
        QVERIFY(programa.waitForFinished(60000));
        QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programa.exitCode(), 0);
        QVERIFY(fs::exists(pasta / "VASTEL_EFD.XML"));  // salvos antes de passar a vez

        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(pasta / "reiniciado.txt"), 30000);
        servidor.stop();
        escuta.join();
        QCOMPARE(teste::LerConteudo(pasta / "reiniciado.txt"), "versao nova em " + pasta.string() + "\n");
        QCOMPARE(teste::LerConteudo(pasta / "VASTEL_EFD"), novo);
        QVERIFY(!fs::exists(pasta / "VASTEL_EFD_update"));
        QCOMPARE(pedidos, (std::vector<std::string>{"versao EFD", "download"}));
        const std::string log = teste::LerConteudo(pasta / "VastelLauncher.log");
        QVERIFY2(log.find("runfile: ok") != std::string::npos, log.c_str());
        QVERIFY2(log.find(": ok", 0) != std::string::npos && log.find("falh") == std::string::npos,
                 log.c_str());
    }
};

QTEST_MAIN(PartidaTest)
#include "PartidaTest.moc"
