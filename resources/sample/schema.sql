-- The reader's FEEDS table as Orvella makes it. The exporter reads four of
-- its columns: FEED_URL (the site's address), FEED_TITLE, CHANNEL_TYPE and
-- INTERNAL_LINK (the feed's own address); FEED_ID, UNREAD_COUNT and ADDED_AT
-- are the reader's own. The sample database and the databases of the tests,
-- benchmarks and screenshots are all made with this table.
CREATE TABLE FEEDS (
  FEED_ID INTEGER PRIMARY KEY,
  FEED_URL TEXT,
  FEED_TITLE TEXT,
  CHANNEL_TYPE INTEGER,
  INTERNAL_LINK TEXT,
  UNREAD_COUNT INTEGER NOT NULL DEFAULT 0,
  ADDED_AT TEXT
);
