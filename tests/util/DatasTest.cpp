// TData: aritmética de meses.
#include <gtest/gtest.h>

#include "util/Datas.h"

namespace {

using util::DataHora;
using util::TData;

TEST(DatasTest, IncMesEDecMesMantemODiaQuandoExiste) {
    struct Caso {
        DataHora de;
        int meses;
        DataHora para;
    };
    const Caso kCasos[] = {
        {DataHora::Data(2023, 1, 31), 1, DataHora::Data(2023, 2, 28)},
        {DataHora::Data(2024, 1, 31), 1, DataHora::Data(2024, 2, 29)},
        {DataHora::Data(2024, 3, 31), 1, DataHora::Data(2024, 4, 30)},
        {DataHora::Data(2024, 1, 15), 0, DataHora::Data(2024, 1, 15)},
        {DataHora::Data(2024, 11, 30), 2, DataHora::Data(2025, 1, 30)},
        {DataHora::Data(2024, 12, 31), 14, DataHora::Data(2026, 2, 28)},
        {DataHora::Data(2024, 1, 31), -1, DataHora::Data(2023, 12, 31)},
        {DataHora::Data(2024, 3, 31), -1, DataHora::Data(2024, 2, 29)},
        {DataHora::Data(2024, 2, 10), -26, DataHora::Data(2021, 12, 10)},
        {DataHora::Data(2024, 5, 20).ComHora(13, 45, 10, 1234), 1,
         DataHora::Data(2024, 6, 20).ComHora(13, 45, 10, 1234)},
    };
    for (const auto& c : kCasos) {
        EXPECT_EQ(TData(c.de).IncMes(c.meses).Valor(), c.para) << c.de.Texto() << " + " << c.meses;
        EXPECT_EQ(TData(c.de).DecMes(-c.meses).Valor(), c.para)
            << c.de.Texto() << " - " << -c.meses;
    }
}

TEST(DatasTest, PrimeiroEUltimoDiaDoMes) {
    const TData fev(DataHora::Data(2024, 2, 15).ComHora(10, 30, 0));
    EXPECT_EQ(fev.PrimeiroDia(), DataHora::Data(2024, 2, 1));
    EXPECT_EQ(fev.UltimoDia(), (DataHora{2024, 2, 29, 23, 59, 59, 9990}));
    EXPECT_EQ(fev.DiasNoMes(), 29);
    EXPECT_EQ(fev.Ano(), 2024);
    EXPECT_EQ(fev.Mes(), 2);
    EXPECT_EQ(TData(DataHora::Data(2023, 2, 1)).UltimoDia(),
              (DataHora{2023, 2, 28, 23, 59, 59, 9990}));
    EXPECT_EQ(TData(DataHora::Data(2023, 12, 31)).UltimoDia(),
              (DataHora{2023, 12, 31, 23, 59, 59, 9990}));
}

TEST(DatasTest, SetValorTrocaAData) {
    TData d(DataHora::Data(2024, 1, 31));
    d.SetValor(DataHora::Data(2023, 4, 30));
    EXPECT_EQ(d.IncMes(1).Valor(), DataHora::Data(2023, 5, 30));
}

TEST(DatasTest, DataHoraSqlPoeOHorarioEZeraAsFracoes) {
    const DataHora dia{2024, 3, 10, 8, 7, 6, 5000};
    EXPECT_EQ(util::DataHoraSql(dia, 23, 59, 59), (DataHora{2024, 3, 10, 23, 59, 59, 0}));
    EXPECT_EQ(util::DataHoraSql(dia, 0, 0, 0), DataHora::Data(2024, 3, 10));
}

}  // namespace
