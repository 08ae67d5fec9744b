#include <QCoreApplication>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    // Take the locale from the environment, as the desktop program does, so
    // that a run under LC_ALL=nb_NO.UTF-8 shows any dependence on it.
    std::setlocale(LC_ALL, "");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
