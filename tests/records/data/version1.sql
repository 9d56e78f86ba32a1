-- A store of records as the first version of its tables left it.
CREATE TABLE schema_version (version INTEGER NOT NULL);
INSERT INTO schema_version (version) VALUES (1);
CREATE TABLE learners ( id INTEGER PRIMARY KEY, name TEXT UNIQUE, mark INTEGER NOT NULL CHECK (mark BETWEEN 1 AND 60), made_at TEXT NOT NULL, removed_at TEXT);
CREATE TABLE answers ( id TEXT PRIMARY KEY, learner INTEGER NOT NULL REFERENCES learners (id), entry INTEGER NOT NULL CHECK (entry BETWEEN 1 AND 60), answer INTEGER NOT NULL CHECK (answer BETWEEN 1 AND 60), correct INTEGER NOT NULL CHECK (correct IN (0, 1)), answered_at TEXT NOT NULL, pack TEXT NOT NULL, game TEXT NOT NULL, kind TEXT NOT NULL CHECK (kind IN ('full', 'review')), machine TEXT NOT NULL);
INSERT INTO learners (id, name, mark, made_at, removed_at) VALUES (1, 'さくら', 20, '2026-03-01T08:00:00.000Z', NULL);
INSERT INTO learners (id, name, mark, made_at, removed_at) VALUES (2, 'けん', 3, '2026-03-01T08:01:00.000Z', NULL);
INSERT INTO learners (id, name, mark, made_at, removed_at) VALUES (3, NULL, 9, '2026-03-01T08:02:00.000Z', '2026-03-05T08:00:00.000Z');
INSERT INTO answers VALUES ('0b5c7a52-4a43-4d0e-9a43-0d7e4b3c0001', 1, 5, 5, 1, '2026-03-02T09:00:00.000Z', 'hana', '7c1e2f00-0000-4000-8000-000000000001', 'full', 'fixture');
INSERT INTO answers VALUES ('0b5c7a52-4a43-4d0e-9a43-0d7e4b3c0002', 1, 7, 9, 0, '2026-03-02T09:00:05.000Z', 'hana', '7c1e2f00-0000-4000-8000-000000000001', 'full', 'fixture');
INSERT INTO answers VALUES ('0b5c7a52-4a43-4d0e-9a43-0d7e4b3c0003', 1, 5, 5, 1, '2026-03-03T09:00:00.000Z', 'hana', '7c1e2f00-0000-4000-8000-000000000002', 'review', 'fixture');
INSERT INTO answers VALUES ('0b5c7a52-4a43-4d0e-9a43-0d7e4b3c0004', 1, 7, 7, 1, '2026-03-03T09:00:05.000Z', 'hana', '7c1e2f00-0000-4000-8000-000000000002', 'review', 'fixture');
INSERT INTO answers VALUES ('0b5c7a52-4a43-4d0e-9a43-0d7e4b3c0005', 1, 5, 5, 1, '2026-03-06T09:00:00.000Z', 'hana', '7c1e2f00-0000-4000-8000-000000000003', 'review', 'fixture');
INSERT INTO answers VALUES ('0b5c7a52-4a43-4d0e-9a43-0d7e4b3c0006', 1, 5, 5, 1, '2026-03-13T09:00:00.000Z', 'hana', '7c1e2f00-0000-4000-8000-000000000004', 'review', 'fixture');
INSERT INTO answers VALUES ('0b5c7a52-4a43-4d0e-9a43-0d7e4b3c0007', 2, 60, 1, 0, '2026-03-02T10:00:00.000Z', 'hana', '7c1e2f00-0000-4000-8000-000000000005', 'full', 'fixture');
