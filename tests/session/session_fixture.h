// The roster session alone, with no window: the platform's fakes, slot files written into
// the fake save folder, a history of its own, and every change of the roster model checked
// by QAbstractItemModelTester.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <memory>

#include "savedata/slot_path.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "tests/platform_fakes.h"
#include "tests/test_support.h"

namespace foalix::testing {

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() {
        saveFolder_ = fake_.makeSaveFolder();
        start();
    }

    // A session (again, as after a restart) keeping its history in the test's folder.
    void start() {
        session_.reset();
        session_ = std::make_unique<session::RosterSession>(fake_.platform, history_.path());
        new QAbstractItemModelTester(session_->model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal,
                                     session_.get());
        session_->settleSaveFolder();
    }
    // Slot `slot` holding `foals`: record, name, grade (S A B D) and age (1 or 2) each.
    struct Foal {
        int record;
        std::string name;
        char grade = 'S';
        int age = 1;
    };
    void save(int slot, const std::vector<Foal>& foals) {
        slotgen::SlotImage image;
        for (const auto& [record, name, grade, age] : foals) {
            auto bytes = kExampleOne;
            bytes[0] = grade == 'S' ? 0x50 : grade == 'A' ? 0x46 : grade == 'B' ? 0x3C : 0x2C;
            bytes[3] = age == 1 ? 0x08 : 0x10;
            image.foal(record, 10 + record, name, record, 0x00, bytes);
        }
        image.writeTo(savedata::composeSlotFile(saveFolder_.toStdString(), slot));
    }
    // The names of the listed foals, in list order.
    QString listed() const {
        const auto& roster = session_->roster();
        QStringList names;
        for (int record : roster ? roster->listed : std::vector<int>()) {
            names << QString::fromStdString(roster->table.row(record).name);
        }
        return names.join(' ');
    }

    FakePlatform fake_;
    QTemporaryDir history_;
    QString saveFolder_;
    std::unique_ptr<session::RosterSession> session_;
};

}  // namespace foalix::testing
