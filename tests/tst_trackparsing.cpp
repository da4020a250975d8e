#include "fixtures/TestMain.h"

#include "engine/AudioManifest.h"
#include "engine/AudioTracks.h"
#include "engine/VideoInfo.h"

#include <QJsonArray>
#include <QJsonObject>

// The audio tracks a page offers, as yt-dlp's JSON and the manifests tell them.
class TestTrackParsing : public QObject
{
    Q_OBJECT

private slots:
    // The audio-only formats of yt-dlp's JSON → one track per language,
    // "language:format:kbps" plus "o" for the original, "d" for descriptive.
    void audioTracks_data()
    {
        QTest::addColumn<QByteArray>("formats");
        QTest::addColumn<QString>("tracks");
        QTest::newRow("one language is no choice")
            << QByteArray(R"([{"format_id":"1","vcodec":"none","acodec":"opus","language":"en"},)"
                          R"({"format_id":"2","vcodec":"none","acodec":"opus","language":"en"}])")
            << "";
        QTest::newRow("ranked first: the original; last: descriptive; best of each")
            << QByteArray(
                   R"([{"format_id":"249","vcodec":"none","acodec":"opus","abr":50,"language":"en",)"
                   R"("language_preference":10,"format_note":"English (default), low"},)"
                   R"({"format_id":"251","vcodec":"none","acodec":"opus","abr":130,"language":"en",)"
                   R"("language_preference":10,"format_note":"English (default), medium"},)"
                   R"({"format_id":"250","vcodec":"none","acodec":"opus","abr":70,"language":"de",)"
                   R"("language_preference":-1,"format_note":"Deutsch, medium"},)"
                   R"({"format_id":"140","vcodec":"none","acodec":"mp4a.40.2","tbr":129.4,)"
                   R"("language":"en-desc","language_preference":-10}])")
            << "en:251:130:o de:250:70 en-desc:140:129:d";
        QTest::newRow("named original rather than default")
            << QByteArray(R"([{"format_id":"a","vcodec":"none","language":"fr",)"
                          R"j("format_note":"Français (default)"},)j"
                          R"({"format_id":"b","vcodec":"none","language":"en",)"
                          R"("format_note":"English original"}])")
            << "fr:a:0 en:b:0:o";
        QTest::newRow("unmarked; pictures and sound-less formats left out")
            << QByteArray(R"([{"format_id":"1","vcodec":"none","acodec":"mp4a","language":"deu"},)"
                          R"({"format_id":"2","vcodec":"none","acodec":"mp4a","language":"eng"},)"
                          R"({"format_id":"v","vcodec":"avc1","acodec":"mp4a","language":"fra"},)"
                          R"({"format_id":"n","vcodec":"none","acodec":"none","language":"ita"},)"
                          R"({"vcodec":"none","acodec":"mp4a","language":"spa"}])")
            << "deu:1:0 eng:2:0";
    }

    void audioTracks()
    {
        QFETCH(QByteArray, formats);
        QFETCH(QString, tracks);
        const auto parsed = parseVideoInfo(R"({"formats":)" + formats + "}");
        QVERIFY(parsed);
        QStringList found;
        for (const AudioTrack &t : parsed->audioTracks)
            found << QStringList{t.language, t.formatId, QString::number(t.kbps)}.join(':') +
                         (t.original ? ":o" : "") + (t.descriptive ? ":d" : "");
        QCOMPARE(found.join(' '), tracks);
    }

    // A site's own name for a track is hostile text: one short line.
    void audioTrackLabel()
    {
        const QString note = "Deutsch\n\u2028<b>\x1b[31m" + QString(200, 'x');
        QJsonObject f{{"vcodec", "none"}, {"format_id", "1"}, {"format_note", note}};
        QJsonObject g{{"vcodec", "none"}, {"format_id", "2"}, {"language", "en"}};
        const auto tracks = AudioTracks::read({{"formats", QJsonArray{f, g}}});
        QCOMPARE(tracks.size(), 2);
        QCOMPARE(tracks.first().label.size(), 80);
        QVERIFY(tracks.first().label.startsWith("Deutsch <b> [31mxx"));
    }

    // A manifest's say on the tracks yt-dlp listed unmarked ("eng deu fra")
    // → "language:o" for the original, ":d" for descriptive.
    void audioManifest_data()
    {
        QTest::addColumn<bool>("dash");
        QTest::addColumn<QByteArray>("manifest");
        QTest::addColumn<QString>("tracks");
        const QByteArray set = R"(<AdaptationSet contentType="audio" lang="%1"><Role )"
                               R"(schemeIdUri="urn:mpeg:dash:role:2011" value="%2"/>)"
                               R"(<Representation id="%1"/></AdaptationSet>)";
        const auto mpd = [&](std::initializer_list<std::pair<const char *, const char *>> sets) {
            QByteArray body = R"(<?xml version="1.0"?><MPD xmlns="urn:mpeg:dash:schema:mpd:2011">)"
                              R"(<Period><AdaptationSet contentType="video" lang="eng"><Role )"
                              R"(value="main"/></AdaptationSet>)";
            for (const auto &[lang, role] : sets)
                body += QString(set).arg(lang, role).toUtf8();
            return body + "</Period></MPD>";
        };
        QTest::newRow("DASH: one main role")
            << true << mpd({{"de", "dub"}, {"en", "main"}, {"fr", "dub"}}) << "eng:o deu fra";
        QTest::newRow("DASH: every set main says nothing")
            << true << mpd({{"de", "main"}, {"en", "main"}}) << "eng deu fra";
        QTest::newRow("DASH: audio description beside the original")
            << true << mpd({{"en", "main"}, {"en", "description"}, {"fr", "description"}})
            << "eng:o deu fra:d";
        QTest::newRow("DASH: not XML") << true << QByteArray("<MPD><Period") << "eng deu fra";
        const QByteArray media = "#EXT-X-MEDIA:TYPE=AUDIO,GROUP-ID=\"a\",NAME=\"x,y\",LANGUAGE=";
        QTest::newRow("HLS: one default")
            << false
            << "#EXTM3U\n" + media + "\"de\",DEFAULT=NO\n" + media + "\"en\",DEFAULT=YES\r\n" +
                   "#EXT-X-MEDIA:TYPE=SUBTITLES,GROUP-ID=\"s\",NAME=\"d\",LANGUAGE=\"fr\","
                   "DEFAULT=YES\n"
            << "eng:o deu fra";
        QTest::newRow("HLS: two defaults say nothing")
            << false << media + "\"de\",DEFAULT=YES\n" + media + "\"en\",DEFAULT=YES\n"
            << "eng deu fra";
        QTest::newRow("HLS: describes the video")
            << false
            << media + "\"fr\",CHARACTERISTICS=\"public.accessibility.describes-video\"\n" + media +
                   "\"en\",DEFAULT=YES\n"
            << "eng:o deu fra:d";
    }

    void audioManifest()
    {
        QFETCH(bool, dash);
        QFETCH(QByteArray, manifest);
        QFETCH(QString, tracks);
        QList<AudioTrack> listed;
        for (const char *language : {"eng", "deu", "fra"})
            listed << AudioTrack{language, language, {}, false, false, {}, 0};
        AudioManifest::apply(listed, dash ? AudioManifest::readDash(manifest)
                                          : AudioManifest::readHls(manifest));
        QStringList found;
        for (const AudioTrack &t : listed)
            found << t.language + (t.original ? ":o" : "") + (t.descriptive ? ":d" : "");
        QCOMPARE(found.join(' '), tracks);
    }
};

REELIX_TEST_MAIN(TestTrackParsing)
#include "tst_trackparsing.moc"
