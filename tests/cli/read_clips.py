# Reads a lesson's clips folder with Python's own csv, sqlite3 and zipfile:
# the table's header lines and texts, then the deck's notes against its media.
import csv, json, sqlite3, sys, tempfile, zipfile, os

folder, title = sys.argv[1], sys.argv[2]
with open(os.path.join(folder, title + ".csv"), newline="", encoding="utf-8") as table:
    lines = table.read().split("\n")
for line in lines[:3]:
    print(line)
columns = lines[2].removeprefix("#columns:").split(",")
rows = list(csv.DictReader(lines[3:], fieldnames=columns))
for row in rows:
    print("row", row["Phrase"], row["Text"])
with zipfile.ZipFile(os.path.join(folder, title + ".apkg")) as deck:
    media = json.loads(deck.read("media"))
    with tempfile.TemporaryDirectory() as tmp:
        deck.extract("collection.anki2", tmp)
        db = sqlite3.connect(os.path.join(tmp, "collection.anki2"))
        print("tables", sorted(r[0] for r in db.execute("select name from sqlite_master where type='table'")))
        print("version", db.execute("select ver from col").fetchone()[0])
        deck_names = [d["name"] for d in json.loads(db.execute("select decks from col").fetchone()[0]).values()]
        print("deck", title in deck_names)
        notes = db.execute("select n.id, n.flds, c.did from notes n join cards c on c.nid = n.id order by n.id").fetchall()
        print("notes", len(notes), "rows", len(rows))
        for note_id, fields, _ in notes:
            sound = fields.split("\x1f")[0].removeprefix("[sound:").removesuffix("]")
            key = [k for k, v in media.items() if v == sound]
            print("note", note_id, "media", len(key) == 1 and key[0] in deck.namelist())
        db.close()
# Given the recording: each phrase's length, and how loud the recording is
# around its start against the median of its blocks of 1010 samples.
if len(sys.argv) > 3:
    import statistics, struct, subprocess
    probe = ["ffprobe", "-v", "error", "-show_entries", "stream=sample_rate", "-of", "csv=p=0"]
    rate = int(subprocess.run(probe + [sys.argv[3]], capture_output=True, text=True).stdout)
    raw = subprocess.run(["ffmpeg", "-v", "error", "-i", sys.argv[3], "-f", "s16le", "-ac", "1", "-"],
                         capture_output=True, check=True).stdout
    samples = struct.unpack(f"<{len(raw) // 2}h", raw)
    def rms(a, b):
        part = samples[max(a, 0):b]
        return (sum(x * x for x in part) / max(len(part), 1)) ** .5
    median = statistics.median(rms(i, i + 1010) for i in range(0, len(samples), 1010))
    for row in rows:
        at = round(float(row["Start"]) * rate)
        print("cut", float(row["End"]) - float(row["Start"]), rate, rms(at - 1010, at + 1010) / median)
