#include "live/livecontent.h"
#include "players/entries.h"
#include "rankings/generalrankingwindow.h"
#include "rankings/ranking.h"
#include "rankings/roundrankingwindow.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTableView>

using tournaments::scoreLines;

namespace {

QJsonObject json(const LiveResponse &r)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(r.body, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "not JSON:" << error.errorString() << r.body.left(200);
    return document.object();
}

QJsonObject get(LiveContent &content, const char *path, const QByteArray &query = {})
{
    const LiveResponse r = content.answer(path, query);
    if (r.status != 200 || r.contentType != "application/json; charset=utf-8")
        qWarning() << path << query << "answered" << r.status << r.contentType;
    return json(r);
}

// A ranking window's grid, a row as "rank|NOM|SCORE[|PCN]", names trimmed; and its POSITION column.
QStringList gridRows(QWidget &window, QStringList *seats)
{
    const QAbstractItemModel *m = child<QTableView>(window, "StringGrid1")->model();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells{m->headerData(r, Qt::Vertical).toString()};
        for (int k = 0; k < m->columnCount(); ++k)
            if (k != 1)
                cells << m->index(r, k).data().toString().trimmed();
        rows << cells.join('|');
        *seats << m->index(r, 1).data().toString();
    }
    return rows;
}

// The same rows from the phones' JSON, and each row's id as POSITION shows it.
QStringList jsonRows(const QJsonObject &ranking, qsizetype registerLines, QStringList *seats)
{
    QStringList rows;
    for (const QJsonValue &v : ranking["lignes"].toArray()) {
        const QJsonObject line = v.toObject();
        QStringList cells{line["rang"].isNull() ? QString() : QString::number(line["rang"].toInt()),
                          line["nom"].toString(), line["total"].toString()};
        if (ranking["pcn"].toBool())
            cells << line["pcn"].toString();
        rows << cells.join('|');
        *seats << (line.contains("id") ? ranking::label(line["id"].toString(), registerLines) : QString());
    }
    return rows;
}

QJsonValue parsed(const char *text)
{
    return QJsonDocument::fromJson(text).array();
}

QStringList names(const QJsonObject &places)
{
    QStringList found;
    for (const QJsonValue &v : places["joueurs"].toArray())
        found << v["nom"].toString();
    return found;
}

QString hashSource(const QString &block)
{
    return "'sha256-" + QCryptographicHash::hash(block.toUtf8(), QCryptographicHash::Sha256).toBase64() + "'";
}

} // namespace

// What the players' phones are served: the rankings as their windows show them, "Ma place", a
// player's card, and the page.
class TestLiveContent : public QObject
{
    Q_OBJECT

private slots:
    // A 22-player field (two empty chairs) at round 5 complete, a penalty and an exclusion: PCN is
    // offered, so the phones get it; every row, rank and empty chair as the windows show them.
    void rankingsAsTheirWindowsShowThem()
    {
        TestPlatform p;
        Application app;
        tournaments::write(p, {.players = 22, .finishedRounds = 4, .inProgressLines = 24, .incidents = true});
        tournaments::seat(p, app, tournaments::seated(22));
        arrange(app.state(), [](Tournament::Data &d) {
            d.currentRound = 5;
            d.date = "08/12/2026";
            d.place = "Salle des fêtes";
        });
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        LiveContent content(app.state());

        const QJsonObject general = get(content, "/api/classement");
        QCOMPARE(general["description"].toString(), QStringLiteral("Le 08/12/2026 — Salle des fêtes"));
        QCOMPARE(general["avancement"].toString(), QStringLiteral("Tour 5 : 6 tables saisies sur 6"));
        QCOMPARE(general["tour"].toInt(), 5);
        QVERIFY(general["pcn"].toBool());
        auto &generalWindow = app.window<GeneralRankingWindow>();
        trigger(app, "Général");
        QTest::mouseClick(child<QCheckBox>(generalWindow, "CheckBox1"), Qt::LeftButton);
        QStringList seats, ids;
        const QStringList shown = gridRows(generalWindow, &seats);
        QCOMPARE(jsonRows(general, 24, &ids), shown);
        QCOMPARE(shown.size(), 24);
        QCOMPARE(shown.at(21), QStringLiteral("|NOM18 Prenom|EXCLU|"));
        QCOMPARE(shown.mid(22).filter(QRegularExpression("^\\|CHAISE VIDE [12]\\|SANS OBJET\\|$")).size(), 2);
        // Every player's id is his seat, the excluded one's included; an empty chair has no card.
        QCOMPARE(ids.mid(0, 22), seats.mid(0, 22));
        QCOMPARE(seats.at(21), QStringLiteral("Est 2"));
        QCOMPARE(ids.mid(22), QStringList(2));

        const QJsonObject round = get(content, "/api/tour");
        QCOMPARE(round["titre"].toString(), QStringLiteral("Classement du tour 5"));
        QVERIFY(!round["pcn"].toBool());
        trigger(app, "Tour");
        seats.clear();
        ids.clear();
        QCOMPARE(jsonRows(round, 24, &ids), gridRows(app.window<RoundRankingWindow>(), &seats));
        QCOMPARE(ids.mid(0, 21), seats.mid(0, 21));

        // Before any score: the single row of the general ranking, nobody's.
        arrange(app.state(), [](Tournament::Data &d) { d.forgetRoundsAndIncidents(); });
        content.invalidate();
        const QJsonArray none = get(content, "/api/classement")["lignes"].toArray();
        QCOMPARE(none.size(), 1);
        QCOMPARE(none[0]["nom"].toString(), ranking::noRanking);
        QVERIFY(none[0]["rang"].isNull());
        QVERIFY(get(content, "/api/tour")["lignes"].toArray().isEmpty());
    }

    // "Ma place": the query read as a browser sends it, the name found whatever its case and
    // accents; bad bytes find nobody and break nothing.
    void placeSearch_data()
    {
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<QStringList>("found");
        const QStringList dup{"DUPONT Jean", "DUPUIS Hélène"};
        QTest::newRow("lower case") << QByteArray("nom=dup") << dup;
        QTest::newRow("upper case") << QByteArray("nom=DUP") << dup;
        QTest::newRow("percent UTF-8") << QByteArray("nom=h%C3%A9l%C3%A8ne") << QStringList{"DUPUIS Hélène"};
        QTest::newRow("accents dropped") << QByteArray("nom=HELENE") << QStringList{"DUPUIS Hélène"};
        QTest::newRow("plus is a blank") << QByteArray("nom=dupont+jean") << QStringList{"DUPONT Jean"};
        QTest::newRow("œ written out") << QByteArray("nom=coeur") << QStringList{"CŒUR Anaïs"};
        QTest::newRow("among others") << QByteArray("x=1&nom=zo%c3%a9&nom=dup") << QStringList{"LEFÈVRE Zoé"};
        QTest::newRow("one letter") << QByteArray("nom=d") << QStringList{};
        QTest::newRow("blanks") << QByteArray("nom=+%20+") << QStringList{};
        QTest::newRow("no name") << QByteArray("") << QStringList{};
        QTest::newRow("bad escapes") << QByteArray("nom=%zz%4") << QStringList{};
        QTest::newRow("cut UTF-8") << QByteArray("nom=du%C3") << QStringList{};
        QTest::newRow("empty chair") << QByteArray("nom=chaise") << QStringList{};
    }
    void placeSearch()
    {
        QFETCH(QByteArray, query);
        QFETCH(QStringList, found);
        TestPlatform p;
        Tournament state;
        QStringList lines{"DUPONT Jean = N1", "DUPUIS Hélène = S1", "LEFÈVRE Zoé = E1", "CŒUR Anaïs = O1",
                          entries::emptyChair(2)};
        for (const char *code : {"S2", "E2", "O2"})
            lines << QStringLiteral("MARTIN %1 = %1").arg(code);
        entries::sort(lines);
        tournaments::seat(p, state, lines);
        LiveContent content(state);
        QCOMPARE(names(get(content, "/api/place", query)), found);
    }

    // Names come back from the JSON as typed: quotes, backslashes, a tab, accents.
    void namesWritten()
    {
        TestPlatform p;
        Tournament state;
        const QStringList typed{"\"ÉVE\" \\ bis", "O'HARA\tJo", "LEFÈVRE Zoé", "MARTIN Luc"};
        QStringList lines;
        for (qsizetype k = 0; k < typed.size(); ++k)
            lines << typed[k] + " = " + entries::seatCodeOfPlayer(k + 1);
        tournaments::seat(p, state, lines);
        arrange(state, [](Tournament::Data &d) {
            d.scoreList = tournaments::round(1, 1);
            d.roundStarted = true;
        });
        LiveContent content(state);
        QStringList ranked;
        for (const QJsonValue &row : get(content, "/api/classement")["lignes"].toArray())
            ranked << row["nom"].toString();
        QStringList expected = typed;
        ranked.sort();
        expected.sort();
        QCOMPARE(ranked, expected);
        QCOMPARE(names(get(content, "/api/place", "nom=bis")), QStringList{typed[0]});
    }

    // Every round played and the next one, the next marked; twenty players at most.
    void placesInEveryRound()
    {
        TestPlatform p;
        Tournament state;
        tournaments::seat(p, state, tournaments::seatedRegister(7));
        arrange(state, [](Tournament::Data &d) {
            d.movement.fft = false;
            d.movement.nord = 1;
            d.scoreList = tournaments::round(7, 1);
            d.roundStarted = true;
        });
        LiveContent content(state);
        const QJsonObject places = get(content, "/api/place", "nom=joueur+n1");
        QCOMPARE(places["tour"].toInt(), 1);
        QCOMPARE(places["prochain"].toInt(), 2);
        QCOMPARE(places["joueurs"], parsed(R"([{"nom": "JOUEUR N1", "id": "N1", "places": [)"
                                           R"({"tour": 1, "table": 1, "place": "Nord"},)"
                                           R"({"tour": 2, "table": 2, "place": "Nord"}]}])"));
        // The director changes the movement: the next round is foreseen anew.
        arrange(state, [](Tournament::Data &d) { d.movement.nord = 2; });
        content.invalidate();
        QCOMPARE(get(content, "/api/place", "nom=joueur+n1")["joueurs"][0]["places"][1]["table"].toInt(), 3);
        const QJsonObject many = get(content, "/api/place", "nom=joueur");
        QCOMPARE(many["joueurs"].toArray().size(), 20);
        QVERIFY(many["suite"].toBool());
    }

    // A card on two tables, followed by hand: S1's total is -12 (5th), then 78 (1st), then -122
    // (8th).
    void cardRanksAfterEachRound()
    {
        TestPlatform p;
        Tournament state;
        tournaments::seat(p, state, tournaments::seatedRegister(2));
        const QStringList codes{"N1", "S1", "E1", "O1", "N2", "S2", "E2", "O2"};
        arrange(state, [&](Tournament::Data &d) {
            d.finishedRounds << scoreLines(codes, {60, -12, -28, -20, 30, -5, -10, -15})
                             << scoreLines(codes, {-30, 90, -30, -30, 10, 0, -5, -5});
            d.scoreList = scoreLines(codes, {100, -200, 50, 50, 0, 0, 0, 0});
            d.roundStarted = true;
            d.currentRound = 3;
        });
        LiveContent content(state);
        QJsonObject card = get(content, "/api/joueur", "id=S1");
        QCOMPARE(card["nom"].toString(), QStringLiteral("JOUEUR S1"));
        QCOMPARE(card["rang"].toInt(), 8);
        QCOMPARE(card["total"].toString(), QStringLiteral("-122"));
        QCOMPARE(card["joueurs"].toInt(), 8);
        QCOMPARE(card["tours"], parsed(R"([{"tour": 1, "score": -12, "rang": 5}, {"tour": 2, "score": 90, "rang": 1},)"
                                       R"({"tour": 3, "score": -200, "rang": 8}])"));

        // Round 3 without its second table: it does not count yet, S1's score is known.
        arrange(state, [&](Tournament::Data &d) { d.scoreList = d.scoreList.mid(0, 4); });
        content.invalidate();
        card = get(content, "/api/joueur", "id=S%31");
        QCOMPARE(card["rang"].toInt(), 1);
        const QJsonObject third = card["tours"].toArray().at(2).toObject();
        QCOMPARE(third["score"].toInt(), -200);
        QVERIFY(third["rang"].isNull());
        QCOMPARE(get(content, "/api/joueur", "id=O2")["tours"].toArray().at(2)["score"], QJsonValue());

        // Round 1 corrected: S1 wins it, first after it.
        arrange(state, [&](Tournament::Data &d) {
            d.finishedRounds.clear();
            d.finishedRounds << scoreLines(codes, {-12, 60, -28, -20, 30, -5, -10, -15})
                             << scoreLines(codes, {-30, 90, -30, -30, 10, 0, -5, -5});
        });
        content.invalidate();
        QCOMPARE(get(content, "/api/joueur", "id=S1")["tours"][0]["rang"].toInt(), 1);

        for (const QByteArray query : {"id=X9", "id=", "", "id=%zz"})
            QCOMPARE(content.answer("/api/joueur", query).status, 404);
    }

    // An answer is built once a version: the same bytes until the tournament changes; tags and
    // compression as the transport sends them; anything else is not found.
    void versionsAndTags()
    {
        TestPlatform p;
        Tournament state;
        tournaments::seat(p, state, tournaments::seatedRegister(30));
        arrange(state, [](Tournament::Data &d) {
            d.scoreList = tournaments::round(30, 1);
            d.roundStarted = true;
        });
        LiveContent content(state);
        QCOMPARE(content.version(), quint64(1));
        const LiveResponse first = content.answer("/api/classement", "");
        const QRegularExpression classement(R"(^"v1-classement-[0-9a-f]+"$)");
        QVERIFY(classement.match(first.etag).hasMatch());
        QCOMPARE(content.answer("/api/classement", "").body.constData(), first.body.constData());
        QVERIFY(first.body.size() > 1024);
        QCOMPARE(qUncompress(QByteArray("\0\0\0\0", 4) + first.deflated), first.body);
        const LiveResponse place = content.answer("/api/place", "nom=joueur+n30");
        QVERIFY(place.deflated.isEmpty());
        QVERIFY(QRegularExpression(R"(^"v1-place-[0-9a-f]{16}-[0-9a-f]+"$)").match(place.etag).hasMatch());
        QVERIFY(content.answer("/api/place", "nom=JOUEUR%20N30").etag == place.etag);
        QVERIFY(content.answer("/api/place", "nom=joueur+n3").etag != place.etag);
        const QByteArray page = content.answer("/", "").etag;

        arrange(state, [](Tournament::Data &d) { d.scoreList[0] = "N1=9000"; });
        content.invalidate();
        QCOMPARE(content.version(), quint64(2));
        const LiveResponse second = content.answer("/api/classement", "");
        QCOMPARE(second.etag, QByteArray(first.etag).replace("v1-", "v2-"));
        // Another run counts its versions from 1 again: its tags are not this one's.
        QVERIFY(LiveContent(state).answer("/api/classement", "").etag != first.etag);
        QCOMPARE(json(second)["lignes"].toArray().at(0)["total"].toString(), QStringLiteral("9000"));
        QCOMPARE(content.answer("/api/tour", "").etag, QByteArray(first.etag).replace("v1-classement", "v2-tour"));
        QCOMPARE(content.answer("/", "").etag, page); // the page does not change with the tournament

        for (const char *path : {"", "/api", "/api/classement/", "/index.html", "/API/TOUR", "/api/direct/x"}) {
            const LiveResponse missing = content.answer(path, "");
            QCOMPARE(missing.status, 404);
            QVERIFY(missing.etag.isEmpty());
            QVERIFY(json(missing).contains("erreur"));
        }
    }

    // One page, in French, its one style and one script allowed by their hashes and nothing else
    // inline; the elements a browser test finds.
    void pageAndItsPolicy()
    {
        TestPlatform p;
        Tournament state;
        LiveContent content(state);
        const LiveResponse r = content.answer("/", "");
        QCOMPARE(r.status, 200);
        QCOMPARE(r.contentType, QByteArray("text/html; charset=utf-8"));
        QVERIFY(!r.deflated.isEmpty());
        const QString page = QString::fromUtf8(r.body);
        QVERIFY(page.contains("<html lang=\"fr\">"));
        QCOMPARE(page.count("<style"), 1);
        QCOMPARE(page.count("<script"), 1);
        QVERIFY(!page.contains(
            QRegularExpression(R"(\sstyle\s*=|\son[a-z]+\s*=|innerHTML|https?://(?!www\.w3\.org/2000/svg))")));
        for (const char *id : {"vue-general", "vue-tour", "vue-place", "onglet-general", "onglet-tour", "onglet-place",
                               "recherche", "resultats", "fiche", "etat"})
            QVERIFY2(page.contains(QStringLiteral("id=\"%1\"").arg(id)), id);

        const QRegularExpression block(R"(<(style|script)>(.*)</\1>)",
                                       QRegularExpression::DotMatchesEverythingOption |
                                           QRegularExpression::InvertedGreedinessOption);
        QMap<QString, QString> hashes;
        for (auto it = block.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            hashes[m.captured(1)] = hashSource(m.captured(2));
        }
        QCOMPARE(LiveContent::contentSecurityPolicy(),
                 ("default-src 'self'; script-src " + hashes["script"] + "; style-src " + hashes["style"] +
                  "; img-src 'self' data:; connect-src 'self'; frame-ancestors 'none'; base-uri 'none'; "
                  "form-action 'none'")
                     .toUtf8());
    }
};

QTEST_MAIN(TestLiveContent)
#include "test_livecontent.moc"
