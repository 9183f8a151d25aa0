#include "storage/ModelFiles.h"

#include <QCoreApplication>

#include "matrix/KalvoError.h"
#include "matrix/Completion.h"
#include "matrix/GroupJudgement.h"
#include "storage/FileSetCommit.h"
#include "storage/ModelExtras.h"
#include "storage/TextFiles.h"
#include "matrix/Conversions.h"
#include "model/Group.h"
#include "model/NodePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

const QString KrtExtension = QStringLiteral(".KRT");
const QString RstExtension = QStringLiteral(".RST");
const QString MatExtension = QStringLiteral(".MAT");

EKalvoError FormatError(const QString &text)
{
    return EKalvoError(EKalvoError::ekFormat, text);
}

QString Where(const QString &path, qsizetype line)
{
    return QCoreApplication::translate("Kalvo", "Datoteka »%1«, vrstica %2").arg(QFileInfo(path).absoluteFilePath()).arg(line);
}

// Runs the reading of one line; a conversion error says which file and line.
template <typename Step>
auto AtLine(const QString &path, qsizetype line, Step step)
{
    return WithContext([&] { return Where(path, line); }, step);
}

QStringList CriteriaLines(const TModel &model)
{
    QStringList lines;
    for (const TCriterionNode *node : model.Tree.Nodes())
        lines << QString(node->Depth(), QLatin1Char('\t')) + node->Name;
    return lines;
}

QStringList SolutionLines(const TModel &model)
{
    QStringList lines;
    for (const TSolution &solution : model.Solutions)
        lines << solution.Name;
    return lines;
}

// Lines written straight into the file's bytes: a model of many solutions has
// millions of cells, which as a list of texts cost many times the file.
class TLineWriter
{
public:
    void Line(const QString &text)
    {
        bool ascii = true;
        for (const QChar ch : text)
            ascii = ascii && ch.unicode() < 0x80;
        if (ascii) {
            for (const QChar ch : text)
                FBytes += char(ch.unicode());
        } else {
            FBytes += EncodeWindows1250(text);
        }
        FBytes += "\r\n";
    }
    void Lines(const char *text, qsizetype count)
    {
        for (qsizetype i = 0; i < count; ++i)
            FBytes.append(text).append("\r\n");
    }
    QByteArray Take() { return std::move(FBytes); }

private:
    QByteArray FBytes;
};

// A group's matrix as one judge's: the aggregate of the participants' judgements,
// its blank pairs completed, each cell as an integer fraction ("1" where there is
// no completion).
void GroupMatrixLines(const TModel &model, const TMatrix &m, TLineWriter &out)
{
    std::vector<double> group;
    std::optional<TCompletion> completion;
    try {
        group = GroupAggregate(model, m);
        completion.emplace(m.Order, group);
    } catch (const EKalvoError &) {
    }
    const bool completed = completion && completion->Connected();
    const size_t n = size_t(m.Order);
    for (size_t c = 0; c < n; ++c)
        for (size_t r = 0; r < n; ++r) {
            const double value = r == c || group.empty() ? 0.0 : group[r * n + c];
            out.Line(r == c ? QStringLiteral("1")
                     : value > 0.0 ? CompletedRatioText(value)
                     : completed ? CompletedRatioText(completion->Value(int(r), int(c)))
                                 : QStringLiteral("1"));
        }
}

// A ratings leaf as the three files alone can hold it: a measured leaf ("more is
// better") whose values are the solutions' ideal values (0: not rated); a scale
// that cannot be computed (its pairs fall apart) writes 1 for every rated one.
void RatingsLines(const TModel &model, const TMatrix &scale, TLineWriter &out)
{
    TMatrix computed = scale;
    bool ok = true;
    try {
        computed.Compute(model.ExactMethod);
    } catch (const EKalvoError &) {
        ok = false;
    }
    out.Line(QString::number(qint32(ckMoreIsBetter)));
    out.Line(QString::number(model.SolutionCount()));
    for (int k = 0; k < model.SolutionCount(); ++k) {
        const qint32 rating = size_t(k) < scale.Scale->Ratings.size() ? scale.Scale->Ratings[size_t(k)] : -1;
        const double value = rating < 0 ? 0.0 : ok ? computed.IdealValue(rating) : 1.0;
        out.Line(QString::number(value, 'g', 15).replace(QLatin1Char('.'), DecimalSeparator()));
    }
}

QByteArray MatrixBytes(const TModel &model)
{
    TLineWriter out;
    for (const TCriterionNode *node : model.Tree.Nodes()) {
        // A criterion without a matrix is written as the dimension rule would make
        // it (ratios, all "1"), without making that matrix.
        if (!node->Matrix) {
            const int n = model.ItemCount(node);
            out.Line(QString::number(qint32(ckRelative)));
            out.Line(QString::number(n));
            out.Lines("1", qsizetype(n) * n);
            continue;
        }
        if (node->Matrix->IsRatings() && !node->HasChildren()) {
            RatingsLines(model, *node->Matrix, out);
            continue;
        }
        std::unique_ptr<TMatrix> scratch;
        const TMatrix &m = model.FittedMatrix(node, scratch);
        out.Line(QString::number(qint32(m.Kind)));
        out.Line(QString::number(m.Order));
        if (m.Kind == ckRelative && !m.Judges.empty() && !model.Participants.empty()) {
            GroupMatrixLines(model, m, out);
        } else if (m.Kind == ckRelative && HasBlankPairs(m)) {
            // A blank pair holds its completed value, so that the three files
            // alone load as a complete model with nearly the same weights; the
            // companion says which pairs are blank.
            // No completion (the graph falls apart, or a judged text is no ratio):
            // "1" there, as for a new cell; the save itself never fails on it.
            const std::optional<TCompletion> completion = TryCompletion(m);
            const bool completed = completion && completion->Connected();
            for (qint32 c = 0; c < m.Order; ++c)
                for (qint32 r = 0; r < m.Order; ++r)
                    out.Line(!IsBlankPair(m, r, c) ? m.Ratios[size_t(c)][size_t(r)]
                             : completed ? CompletedRatioText(completion->Value(r, c)) : QStringLiteral("1"));
        } else if (m.Kind == ckRelative) {
            for (const auto &column : m.Ratios)
                for (const QString &text : column)
                    out.Line(text);
        } else {
            for (const QString &text : m.AbsoluteValues)
                out.Line(text);
        }
    }
    return out.Take();
}

QStringList ReadLines(const QString &path)
{
    return SplitLines(DecodeWindows1250(ReadFileBytes(path)));
}

// The outline: a line's level is the number of TABs and blanks it starts with.
void ReadCriteria(TCriteriaTree &tree, const QStringList &lines, const QString &path)
{
    TCriterionNode *previous = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        int level = 0;
        while (level < line.size() && (line.at(level) == QLatin1Char('\t') || line.at(level) == QLatin1Char(' ')))
            ++level;
        const QString name = line.mid(level);
        if (!previous) {
            previous = tree.Append(nullptr, name);
            continue;
        }
        const int depth = previous->Depth();
        if (level > depth + 1)
            throw FormatError(QCoreApplication::translate("Kalvo", "Napačna raven %1 v vrstici %2 datoteke »%3«: »%4« je več kot "
                                             "eno raven globlje od kriterija pred njim.")
                                  .arg(level).arg(i + 1).arg(path, EKalvoError::Quote(name)));
        TCriterionNode *parent = previous;
        if (level <= depth) {
            TCriterionNode *sibling = previous;
            while (sibling->Depth() > level)
                sibling = sibling->Parent();
            parent = sibling->Parent();
        }
        previous = tree.Append(parent, name);
    }
}

void ReadMatrices(TModel &model, const QStringList &lines, const QString &path, QStringList &notes)
{
    const QString decimal = DecimalSeparator();
    const QString foreign = ForeignSeparator();
    if (foreign.isEmpty()) {
        notes << BadDecimalSeparatorMessage();
        return;
    }

    const std::vector<TCriterionNode *> nodes = model.Tree.Nodes();
    qsizetype line = 0;
    auto next = [&]() {
        const QString text = line < lines.size() ? lines.at(line) : QString();
        ++line;
        return text;
    };
    for (TCriterionNode *node : nodes) {
        if (line >= lines.size())
            break;
        const qsizetype recordLine = line + 1;
        const auto kind = TCriterionKind(AtLine(path, recordLine, [&] { return StrToInt(next()); }));
        const QString orderText = next();
        const qint32 n = AtLine(path, recordLine + 1, [&] { return StrToInt(orderText); });
        // A record cut short at the end of the file reads empty texts, but no
        // order may ask for more cells than the file could fill, nor a relative
        // one for more than a person compares: refused before anything is allocated.
        const qint64 allowed = std::max<qint64>(lines.size() - line, 100'000);
        if (n < 0 || (kind != ckRelative && n > allowed))
            throw FormatError(QCoreApplication::translate("Kalvo", "Neveljaven red matrike »%1« v vrstici %2 datoteke »%3«.")
                                  .arg(EKalvoError::Quote(orderText)).arg(recordLine + 1).arg(path));
        if (kind == ckRelative && n > MaxRelativeOrder)
            throw EKalvoError(EKalvoError::ekTooLarge, TooLargeMessage(n)).AddContext(Where(path, recordLine + 1));
        auto m = std::make_unique<TMatrix>(n, kind);
        if (kind == ckRelative) {
            // An empty line (a record cut short) is a judgement of 1; only the
            // companion file makes a pair blank.
            for (qint32 c = 0; c < n; ++c)
                for (qint32 r = 0; r < n; ++r)
                    if (const QString text = next(); !text.isEmpty())
                        m->Ratios[size_t(c)][size_t(r)] = text;
        } else {
            for (qint32 i = 0; i < n; ++i) {
                QString value = next();
                const qsizetype at = value.lastIndexOf(foreign);
                if (at >= 0)
                    value.replace(at, foreign.size(), decimal);
                m->AbsoluteValues[size_t(i)] = value;
            }
        }
        node->Matrix = std::move(m);
    }
    // Records beyond the last node have no node to go to and are passed over.
}

void ReadSolutions(TModel &model, const QStringList &lines, const QString &path)
{
    model.SubcriterionBars.clear();
    model.Solutions.clear();
    model.Solutions.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        AtLine(path, i + 1, [&] { model.AddSolution(lines.at(i)); });
    model.MarkSolution(0);
}

void WriteOne(const QString &path, const QStringList &lines)
{
    WriteFiles({{path, EncodeLines(lines)}});
}

} // namespace

QString BadDecimalSeparatorMessage()
{
    return QCoreApplication::translate("Kalvo", "Vaša nastavitev formata decimalnih štavil je neustrezna! "
                          "Format mora biti oblike 1.000,23 ali 1,000.23!");
}

QString BaseName(const QString &fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? fileName.left(dot) : fileName;
}

QString PartnerPath(const QString &baseName, const QString &extension)
{
    const QString exact = baseName + extension;
    if (QFileInfo::exists(exact))
        return exact;
    const QFileInfo info(exact);
    const QDir dir = info.dir();
    const QString wanted = info.fileName();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return exact;
}

bool ModelExists(const QString &fileName)
{
    return QFileInfo::exists(fileName) || QFileInfo::exists(PartnerPath(BaseName(fileName), KrtExtension));
}

namespace {

// One SHA-256 per file of the set, criteria, matrices, solutions, companion; a
// missing file has none.
const qsizetype HashSize = 32;
const int SetFiles = 4;

QByteArray Hash(const QByteArray *bytes)
{
    return bytes ? QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) : QByteArray(HashSize, '\0');
}

QByteArray Stamp(const TModelSetBytes &set)
{
    return Hash(&set.Criteria) + Hash(&set.Matrices) + Hash(&set.Solutions)
        + (set.Extras.isEmpty() ? Hash(nullptr) : Hash(&set.Extras));
}

// The companion is exactly the name a save writes: "avto.json" beside "Avto.KRT" is
// someone else's file.
QString ExtrasPath(const QString &base)
{
    return base + QString::fromLatin1(ExtrasExtension);
}

QString JournalPath(const QString &base)
{
    return base + QStringLiteral(".kalvo-journal");
}

// Holds the set's lock while it lives. A lock that cannot be made at all (a
// read-only folder) does not stop a read, and a write fails there on its own. A
// lock file without a process in it (its maker was killed between making and
// writing it) is stale at once.
class TSetLock
{
public:
    explicit TSetLock(const QString &fileName) : FLock(BaseName(fileName) + QStringLiteral(".lock"))
    {
        const QFileInfo file(BaseName(fileName) + QStringLiteral(".lock"));
        if (file.exists() && file.size() == 0)
            QFile::remove(file.filePath());
        if (FLock.tryLock(SetLockWaitMs) || FLock.error() != QLockFile::LockFailedError)
            return;
        throw EKalvoError(EKalvoError::ekFile,
                          QCoreApplication::translate("Kalvo", "Model »%1« pravkar shranjuje drug program (%2). Poskusite znova.")
                              .arg(QFileInfo(BaseName(fileName)).fileName(), file.absoluteFilePath()));
    }

private:
    QLockFile FLock;
};

// What an interrupted save left is finished or dropped, and told: the set is then
// the one saved, or the one before, whole. Under the set's lock.
void Recover(const QString &base, QStringList &notes)
{
    const QStringList targets{base + KrtExtension, base + MatExtension, base + RstExtension, ExtrasPath(base)};
    const QString name = QFileInfo(base).fileName();
    switch (RecoverFileSet(JournalPath(base), targets)) {
    case TRecovery::Finished:
        notes << (QCoreApplication::translate("Kalvo", "Shranjevanje modela »%1« je bilo prekinjeno, ko so bile datoteke "
                                                         "že zapisane; zdaj je dokončano: model je tak, kot je bil shranjen.")
                        .arg(name));
        break;
    case TRecovery::Undone:
        notes << (QCoreApplication::translate("Kalvo", "Shranjevanje modela »%1« je bilo prekinjeno, preden so bile datoteke "
                                                         "zapisane; model je tak, kot je bil pred njim.")
                        .arg(name));
        break;
    case TRecovery::None:
        break;
    }
}

} // namespace

QByteArray FileSetStamp(const QString &fileName)
{
    const QString base = BaseName(fileName);
    QByteArray stamp;
    for (const QString &path : {PartnerPath(base, KrtExtension), PartnerPath(base, MatExtension),
                                PartnerPath(base, RstExtension), ExtrasPath(base)}) {
        if (QFileInfo::exists(path)) {
            const QByteArray bytes = ReadFileBytes(path);
            stamp += Hash(&bytes);
        } else {
            stamp += Hash(nullptr);
        }
    }
    return stamp;
}

bool SetChangedOnDisk(const TModel &model, const QString &fileName)
{
    if (model.KnownFileStamp.size() != SetFiles * HashSize || AbsoluteBaseName(fileName) != model.KnownFileSet)
        return false;
    QByteArray now;
    try {
        now = FileSetStamp(fileName);
    } catch (const EKalvoError &) {
        return false;   // unreadable: the save itself will say what is wrong there
    }
    // A file that is gone holds nobody's work; one that is there must be as we left it.
    const QByteArray missing = Hash(nullptr);
    for (qsizetype i = 0; i < SetFiles; ++i) {
        const QByteArray file = now.mid(i * HashSize, HashSize);
        if (file != missing && file != model.KnownFileStamp.mid(i * HashSize, HashSize))
            return true;
    }
    return false;
}

TModelSetBytes EncodeProject(const TModel &model)
{
    TModelSetBytes set;
    set.Criteria = EncodeLines(CriteriaLines(model));
    set.Solutions = EncodeLines(SolutionLines(model));
    set.Matrices = MatrixBytes(model);
    set.Extras = EncodeExtras(model);
    return set;
}

QStringList SaveProject(TModel &model, const QString &fileName)
{
    const QString base = BaseName(fileName);
    // Everything is encoded before anything is written, so a name that cannot be
    // stored stops the save with every file untouched.
    TModelSetBytes set = EncodeProject(model);
    const TSetLock lock(fileName);
    QStringList notes;
    Recover(base, notes);
    std::vector<std::pair<QString, QByteArray>> files{{base + KrtExtension, set.Criteria},
                                    {base + RstExtension, set.Solutions},
                                    {base + MatExtension, set.Matrices}};
    // A model without blank pairs or a group writes no companion; one left from
    // before is emptied in the same commit, so that it cannot blank pairs of this
    // model. A file of that name that is no companion is someone else's: a save
    // that would replace it is refused, and one that needs none leaves it alone.
    const QString extras = ExtrasPath(base);
    const bool present = QFileInfo::exists(extras);
    const bool ours = present && IsExtras(ReadFileBytes(extras));
    if (present && !ours && !set.Extras.isEmpty())
        throw EKalvoError(EKalvoError::ekFile,
                          QCoreApplication::translate("Kalvo", "Model »%1« ni shranjen: datoteka »%2« ni dodatek modela Kalvo, "
                                                               "shranjevanje pa bi jo nadomestilo. Premaknite jo ali model shranite "
                                                               "pod drugim imenom.")
                              .arg(QFileInfo(base).fileName(), QFileInfo(extras).absoluteFilePath()));
    if (!set.Extras.isEmpty())
        files.push_back({extras, set.Extras});
    else if (ours)
        files.push_back({extras, set.Extras = EmptyExtras()});
    CommitFileSet(JournalPath(base), files);
    model.KnownFileSet = AbsoluteBaseName(fileName);
    model.KnownFileStamp = Stamp(set);
    return notes;
}

namespace {

// Mirrored cells that disagree (only a file can bring them) make CR meaningless:
// told once per open, naming each criterion and its first such pair.
void WarnNonReciprocal(const TModel &model, QStringList &notes)
{
    QStringList places;
    for (const TCriterionNode *node : model.Tree.Nodes())
        if (node->Matrix)
            if (const QString pair = NonReciprocalPair(*node->Matrix); !pair.isEmpty())
                places << QCoreApplication::translate("Kalvo", "Kriterij »%1«: %2").arg(EKalvoError::Quote(NodePath(node)), pair);
    if (!places.isEmpty())
        notes << QCoreApplication::translate("Kalvo", "Sodbe v zrcalnih celicah si morajo biti obratne (3:1 in 1:3), "
                                   "te pa niso, zato CR zanje ne pove ničesar:\n")
                    + places.join(QLatin1Char('\n'));
}

} // namespace

void CreateMissingPartners(const QString &fileName)
{
    const QString base = BaseName(fileName);
    if (!QFileInfo::exists(PartnerPath(base, KrtExtension)))
        WriteOne(base + KrtExtension, {base});
    if (!QFileInfo::exists(PartnerPath(base, RstExtension)))
        WriteOne(base + RstExtension, {});
    if (!QFileInfo::exists(PartnerPath(base, MatExtension)))
        WriteOne(base + MatExtension, {});
}

QStringList LoadProject(TModel &model, const QString &fileName)
{
    const QString base = BaseName(fileName);
    TModelSetBytes set;
    set.CriteriaPath = PartnerPath(base, KrtExtension);
    set.SolutionsPath = PartnerPath(base, RstExtension);
    set.MatrixPath = PartnerPath(base, MatExtension);
    QStringList notes;
    {
        const TSetLock lock(fileName);   // the files of one save, not of two
        Recover(base, notes);
        // A partner that is not there reads as what opening it in the window
        // would create: the criteria a root named after the set, the rest empty.
        auto read = [](const QString &path, const QByteArray &missing) {
            return QFileInfo::exists(path) ? ReadFileBytes(path) : missing;
        };
        set.Criteria = read(set.CriteriaPath, EncodeLines({base}));
        set.Matrices = read(set.MatrixPath, QByteArray());
        set.Solutions = read(set.SolutionsPath, QByteArray());
        set.ExtrasPath = ExtrasPath(base);
        if (QFileInfo::exists(set.ExtrasPath)) {
            set.Extras = ReadFileBytes(set.ExtrasPath);
            set.ExtrasForeign = !IsExtras(set.Extras);
            if (set.ExtrasForeign)
                notes << QCoreApplication::translate("Kalvo", "Datoteka »%1« ni dodatek modela Kalvo: model je prebran brez nje, "
                                                              "shranjevanje pa je ne nadomesti.")
                             .arg(QFileInfo(set.ExtrasPath).absoluteFilePath());
        }
    }
    return notes + LoadProjectFrom(model, fileName, set);
}

QStringList LoadProjectFrom(TModel &model, const QString &fileName, const TModelSetBytes &set)
{
    QStringList notes;
    // The set is read into a model of its own: a fault anywhere in it, or
    // running out of memory, leaves the current model exactly as it was.
    TModel fresh;
    fresh.SetMethod(model.ExactMethod);
    fresh.SetDebugMode(model.DebugMode);
    try {
        fresh.Tree.DeleteAllNodes();
        ReadCriteria(fresh.Tree, SplitLines(DecodeWindows1250(set.Criteria)), set.CriteriaPath);
        ReadMatrices(fresh, SplitLines(DecodeWindows1250(set.Matrices)), set.MatrixPath, notes);
        // The solutions come in before the root is fitted, so that a root comparing
        // solutions is fitted against the loaded ones and keeps its stored cells,
        // and before the companion, whose ratings rate them.
        ReadSolutions(fresh, SplitLines(DecodeWindows1250(set.Solutions)), set.SolutionsPath);
        // The companion decides which pairs are blank, whatever the .MAT holds there.
        if (!set.Extras.isEmpty() && !set.ExtrasForeign)
            notes << ApplyExtras(fresh, set.Extras, set.ExtrasPath);
        TCriterionNode *first = fresh.Tree.FirstNode();
        fresh.Tree.Select(first);
        fresh.FitNodeMatrix(first);
    } catch (const std::bad_alloc &) {
        throw EKalvoError(EKalvoError::ekTooLarge, OutOfMemoryMessage())
            .AddContext(QCoreApplication::translate("Kalvo", "Model »%1«").arg(QFileInfo(fileName).absoluteFilePath()));
    }
    fresh.ProjectFileName = fileName;
    fresh.KnownFileSet = AbsoluteBaseName(fileName);
    fresh.KnownFileStamp = Stamp(set);
    model.Swap(fresh);
    WarnNonReciprocal(model, notes);
    return notes;
}

QStringList ModelSetFiles(const QString &fileName)
{
    const QString base = BaseName(fileName);
    return {PartnerPath(base, KrtExtension), PartnerPath(base, MatExtension), PartnerPath(base, RstExtension),
            ExtrasPath(base)};
}

QString AbsoluteBaseName(const QString &fileName)
{
    return QFileInfo(BaseName(fileName)).absoluteFilePath();
}

bool SavingReplacesOtherSet(const TModel &model, const QString &fileName)
{
    const QString base = BaseName(fileName);
    if (AbsoluteBaseName(fileName) == model.KnownFileSet)
        return false;
    for (const QString &extension : {KrtExtension, RstExtension, MatExtension})
        if (QFileInfo::exists(PartnerPath(base, extension)))
            return true;
    return QFileInfo::exists(ExtrasPath(base)) && IsExtras(ReadFileBytes(ExtrasPath(base)));
}

QString OutOfMemoryMessage()
{
    return QCoreApplication::translate("Kalvo", "Za to ni dovolj pomnilnika.");
}

void SaveCriteria(const TModel &model, const QString &fileName)
{
    WriteOne(fileName, CriteriaLines(model));
}

void LoadCriteria(TModel &model, const QString &fileName)
{
    const QStringList lines = ReadLines(fileName);
    model.Tree.DeleteAllNodes();
    ReadCriteria(model.Tree, lines, fileName);
}

void SaveMatrix(const TModel &model, const QString &fileName)
{
    WriteFiles({{fileName, MatrixBytes(model)}});
}

QStringList LoadMatrix(TModel &model, const QString &fileName)
{
    QStringList notes;
    ReadMatrices(model, ReadLines(fileName), fileName, notes);
    return notes;
}

void SaveSolutions(const TModel &model, const QString &fileName)
{
    WriteOne(fileName, SolutionLines(model));
}

void LoadSolutions(TModel &model, const QString &fileName)
{
    ReadSolutions(model, ReadLines(fileName), fileName);
}
