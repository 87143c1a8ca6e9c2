# Registra um executavel de teste GoogleTest: efd_teste(NOME fonte.cpp... LIBS lib...)
find_package(GTest REQUIRED)
include(GoogleTest)

function(efd_teste nome)
    cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
    add_executable(${nome} ${T_UNPARSED_ARGUMENTS})
    target_link_libraries(${nome} PRIVATE ${T_LIBS} efd_teste_suporte GTest::gtest_main)
    gtest_discover_tests(${nome} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT 300)
endfunction()
