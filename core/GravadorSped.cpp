#include "core/GravadorSped.h"

#include <string_view>

#include "util/DataHora.h"

namespace core {

namespace {
// Linhas por lote entregue ao gravador, e lotes que podem esperar na fila: a geração só fica à
// frente do banco por uns poucos milhares de linhas, e a memória não cresce com o mês.
constexpr size_t kLinhasPorLote = 1000;
constexpr size_t kLotesNaFila = 8;
}  // namespace

GravadorSped::GravadorSped(db::Banco conexao) : conexao_(std::move(conexao)) {}

GravadorSped::~GravadorSped() {
    try {
        Encerrar();
    } catch (...) {
    }
}

int GravadorSped::Iniciar(int linhasPorConfirmacao) {
    Encerrar();
    db::Transacao::Opcoes opcoes;
    opcoes.esperaBloqueio = false;
    opcoes.protegerTabelas = {"SPED_EFD"};
    opcoes.semRegistroDesfazer = true;  // a geração nunca desfaz: confirma o que gravou, mesmo numa falha
    auto tr = std::make_unique<db::Transacao>(conexao_, opcoes);
    chave_ = static_cast<int>(db::GenId(*tr, "SPED_EFD_CHAVE"));
    if (insert_) {
        insert_->TrocarTransacao(*tr);
    } else {
        insert_ = std::make_unique<db::Consulta>(
            *tr,
            "insert into SPED_EFD (CHAVE_SE, ORDEM_SE, COD_REG_SE, CONTEUDO_SE, CHAVE_AGRUP_SE, DATA_GERACAO_SE) "
            "values (:CHAVE_SE, :ORDEM_SE, :COD_REG_SE, :CONTEUDO_SE, :CHAVE_AGRUP_SE, :DATA_GERACAO_SE)");
    }
    insert_->Param("CHAVE_SE", chave_);
    tr_ = std::move(tr);
    linhasPorConfirmacao_ = linhasPorConfirmacao < 1 ? 1 : linhasPorConfirmacao;
    pendentes_ = 0;
    linhaComFalha_.reset();
    montando_ = {};
    falhaLancada_ = false;
    fila_.clear();
    enviados_ = processados_ = 0;
    parar_ = false;
    falha_ = nullptr;
    falhou_ = false;
    trabalhador_ = std::thread([this] { Trabalhar(); });
    // As linhas da geração anterior são apagadas pelo gravador, antes da primeira linha desta.
    Enviar({{}, true, true});
    return chave_;
}

void GravadorSped::Gravar(LinhaSped linha) {
    if (falhou_) LancarFalha();
    montando_.linhas.push_back(std::move(linha));
    if (montando_.linhas.size() >= kLinhasPorLote) {
        Enviar(std::move(montando_));
        montando_ = {};
    }
}

void GravadorSped::Confirmar() {
    if (!tr_) return;
    montando_.confirmar = true;
    Enviar(std::move(montando_));
    montando_ = {};
    EsperarFilaVazia();
    if (falhou_) LancarFalha();
}

void GravadorSped::Encerrar() {
    if (!tr_) return;
    if (!falhou_) {
        montando_.confirmar = true;
        Enviar(std::move(montando_));
    }
    montando_ = {};
    EsperarFilaVazia();
    {
        std::lock_guard trava(mutex_);
        parar_ = true;
    }
    mudou_.notify_all();
    trabalhador_.join();
    std::unique_ptr<db::Transacao> tr = std::move(tr_);
    tr->Commit();
    if (falhou_ && !falhaLancada_) LancarFalha();
}

void GravadorSped::Enviar(Lote lote) {
    std::unique_lock trava(mutex_);
    mudou_.wait(trava, [&] { return fila_.size() < kLotesNaFila || falhou_; });
    fila_.push_back(std::move(lote));
    ++enviados_;
    trava.unlock();
    mudou_.notify_all();
}

void GravadorSped::EsperarFilaVazia() {
    std::unique_lock trava(mutex_);
    mudou_.wait(trava, [&] { return processados_ == enviados_; });
}

void GravadorSped::LancarFalha() {
    std::exception_ptr falha;
    {
        std::lock_guard trava(mutex_);
        falha = falha_;
    }
    falhaLancada_ = true;
    std::rethrow_exception(falha);
}

void GravadorSped::Trabalhar() {
    for (;;) {
        Lote lote;
        {
            std::unique_lock trava(mutex_);
            mudou_.wait(trava, [&] { return !fila_.empty() || parar_; });
            if (fila_.empty()) return;
            lote = std::move(fila_.front());
            fila_.pop_front();
        }
        std::exception_ptr falha;
        if (!falhou_) {
            try {
                Processar(lote);
            } catch (...) {
                falha = std::current_exception();
            }
        }
        {
            std::lock_guard trava(mutex_);
            if (falha) {
                falha_ = falha;
                falhou_ = true;
            }
            ++processados_;
        }
        mudou_.notify_all();
    }
}

void GravadorSped::Processar(const Lote& lote) {
    if (lote.apagarAntigas) db::Consulta(*tr_, "delete from SPED_EFD").Executar();
    db::Consulta& ins = *insert_;
    for (const LinhaSped& linha : lote.linhas) {
        try {
            ins.Param("ORDEM_SE", linha.ordem)
                .Param("COD_REG_SE", std::string_view(linha.codigo).substr(0, 10))
                .Param("CONTEUDO_SE", linha.conteudo)
                .Param("CHAVE_AGRUP_SE", std::string_view(linha.chave).substr(0, 255))
                .Param("DATA_GERACAO_SE", util::DataHora::Agora());
            ins.Executar();
        } catch (...) {
            linhaComFalha_ = linha;
            throw;
        }
        if (++pendentes_ >= linhasPorConfirmacao_) {
            tr_->CommitRetaining();
            pendentes_ = 0;
        }
    }
    if (lote.confirmar && (pendentes_ > 0 || lote.apagarAntigas)) {
        tr_->CommitRetaining();
        pendentes_ = 0;
    }
}

}  // namespace core
