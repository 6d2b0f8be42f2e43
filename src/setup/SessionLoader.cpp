#include "setup/SessionLoader.h"

#include "bank/ErrorText.h"

#include "setup/BuildConstants.h"
#include "setup/SessionFile.h"

#include <algorithm>

namespace SessionLoader {

namespace {

// The file, when it is a session of this bank.
Expected<SessionFile::Contents> ReadOwn(const std::filesystem::path& path, const Check& check, Mode mode)
{
    auto file = SessionFile::Read(path, check.current);
    if (!file) {
        // The program's own file that no longer reads, its first line too.
        if (mode == Mode::Interrupted) return Fail(Failure::Kind::Damaged, file.error().description);
        return file;
    }
    const std::string& name = file->record.Request.CurrentDataFile;
    const bool ours = name == check.current.CurrentDataFile
                      || (BuildConstants::AltDataFileName.empty() && name == check.dataFileName);
    if (!ours) return Fail(Failure::Kind::WrongDataFile);
    if (mode == Mode::Interrupted
        && (file->legacy || file->extrasDamaged || file->record.HasOrdine != file->record.HasViews))
        return Fail(Failure::Kind::Damaged, "il file non è completo");
    // The program writes an answer digit from 0 and a correct one from 1, both to 5.
    if (mode == Mode::Interrupted)
        for (const TestItem& item : file->record.Items)
            if (item.Given < 0 || item.Given > cQuesito::MaxRisposte || item.Correct < 1
                || item.Correct > cQuesito::MaxRisposte)
                return Fail(Failure::Kind::Damaged, "risposte registrate non valide");
    return file;
}

Expected<void> BadDigits(size_t i)
{
    return Fail(ErrorText::DescribeBankError(BankError::Kind::AnswerDigits, std::to_string(i + 1)));
}

// The questions of the file found in `pool`, in the file's order, with their
// answers. Suspended tests keep the described tolerance: an entry that is not
// found is passed over, and in the older layout the rebuilt set's size counts.
Expected<std::shared_ptr<cQuesiti>> Restore(const SessionFile::Contents& file, const cQuesiti& pool, Mode mode)
{
    const auto& items = file.record.Items;
    const bool exact = mode == Mode::Interrupted;
    const bool tolerant = !file.legacy && !exact;
    const size_t all = file.legacy ? static_cast<size_t>(pool.Count()) : items.size();
    const int32_t asked = file.record.Request.QuestionCount;
    const size_t count = exact || asked == 0 ? all : std::min(all, static_cast<size_t>(std::max(asked, 0)));
    auto restored = std::make_shared<cQuesiti>();
    std::string answers, correct;  // each restored question takes the digits stored at its own position
    for (size_t i = 0; i < count; ++i) {
        const TestItem* item = i < items.size() ? &items[i] : nullptr;
        const auto q = item && item->Codice > 0 ? pool.ItemByCodice(item->Codice) : nullptr;
        if (!q || restored->ItemByCodice(q->Codice)) {
            if (tolerant) continue;
            const std::string code = item && item->Codice > 0 ? std::to_string(item->Codice) : std::string("?");
            if (exact && !q) return Fail(Failure::Kind::Missing, "il quesito " + code + " non è presente");
            return Fail("il quesito " + code + " non è presente");
        }
        if (item->Given < 0 || item->Correct < 0) return Fail("risposte registrate incomplete");
        if (item->Given > q->NumRisposte() || (item->Given != 0 && (item->Correct < 1 || item->Correct > q->NumRisposte())))
            return tl::unexpected(BadDigits(i).error());
        // Answers shown in the stored order: all of them when resuming
        // exactly, the answered ones (whose letter the review names) otherwise.
        if (file.record.HasOrdine && (exact || item->Given != 0) && !q->SetOrdineRisposte(item->Ordine)) {
            if (exact) return Fail(Failure::Kind::Damaged, "ordine delle risposte non valido");
        }
        restored->AddObject(q);
        answers += static_cast<char>('0' + item->Given);
        correct += static_cast<char>('0' + item->Correct);
    }
    restored->SetRisposteDate(answers);
    // Where the bank's answers moved since, the stored correct position wins.
    restored->RisposteCorretteFix(correct);
    if (restored->Count() == 0) return Fail(Failure::Kind::NothingFound);
    return restored;
}

// An interrupted test kept by an earlier version holds the six lines alone:
// it is resumed as a suspended test is, at the question it had not yet shown.
bool EarlierLayout(const SessionFile::Contents& file) { return !file.record.HasOrdine && !file.record.HasViews; }

}  // namespace

Expected<LoadedTest> Load(const std::filesystem::path& path, const Check& check, Mode mode)
{
    try {
        auto file = ReadOwn(path, check, mode);
        if (!file) return tl::unexpected(file.error());
        if (mode == Mode::Interrupted && EarlierLayout(*file)) mode = Mode::Suspended;
        LoadedTest loaded;
        loaded.Record = file->record;
        loaded.Request = file->record.Request;
        TestRequest& request = loaded.Request;
        if (mode == Mode::Suspended) {
            // A loaded test runs without a time limit and takes the stored codes as they come.
            request.QuestionCount = 0;
            request.TimeLimitHours = request.TimeLimitMinutes = 0;
        }
        std::shared_ptr<cQuesiti> pool;
        if (mode == Mode::Interrupted) {
            // Every question of the bank, answers as loaded: the stored order puts them back.
            TestRequest asLoaded = request;
            asLoaded.KeepAnswerOrder = true;
            loaded.Test = ModFunzioni::OpenBank(asLoaded);
            pool = loaded.Test.TestSet;
        } else {
            // The schedule orders the filtered questions, it leaves none out: they are
            // found without replaying the log.
            TestRequest pooled = request;
            if (pooled.OrderMode == OrderRipasso) pooled.OrderMode = OrderCasuale;
            auto built = ModFunzioni::EstraiQuesiti(pooled);
            if (!built && built.error().kind != Failure::Kind::NothingFound) return tl::unexpected(built.error());
            // An exam is a fresh random draw each time: its questions are found among
            // the whole bank's instead, or most of them would be lost.
            if (built) {
                loaded.Test = *built;
                pool = request.OrderMode == OrderEsame ? loaded.Test.Document->Quesiti()->EliminaQuesitiAnnullati()
                                                       : loaded.Test.TestSet;
            } else {
                pool = std::make_shared<cQuesiti>();
            }
        }
        const auto restored = Restore(*file, *pool, mode);
        if (!restored) {
            Failure failure = restored.error();
            if (mode == Mode::Interrupted && failure.kind == Failure::Kind::Failed) failure.kind = Failure::Kind::Damaged;
            return tl::unexpected(failure);
        }
        loaded.Test.TestSet = *restored;
        const int32_t count = (*restored)->Count();
        // A position beyond the restored test resumes at its first pending question.
        loaded.ResumeIndex = std::clamp(file->record.Position - 1, -1, count - 1);
        loaded.ResumeCorrect = (*restored)->NumRisposteEsatte();
        return loaded;
    } catch (const std::exception& e) {
        return Fail(mode == Mode::Interrupted ? Failure::Kind::Damaged : Failure::Kind::Failed, ErrorText::Describe(e));
    }
}

Expected<void> Readable(const std::filesystem::path& path, const Check& check, Mode mode)
{
    const auto file = ReadOwn(path, check, mode);
    if (!file) return tl::unexpected(file.error());
    return {};
}

}  // namespace SessionLoader
