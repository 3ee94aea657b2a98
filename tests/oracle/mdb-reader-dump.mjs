// Prints a table of an Access file as JSON, read by the npm package mdb-reader:
// {"columns": [...], "rows": [[...], ...]} with every value a string (dates as
// YYYY-MM-DDTHH:MM:SS.mmm in UTC, the reader's own reading) or null.
import MDBReader from "mdb-reader";
import { readFileSync } from "node:fs";

const [file, tableName] = process.argv.slice(2);
const table = new MDBReader(readFileSync(file)).getTable(tableName);
const columns = table.getColumnNames();
const cell = (v) => (v === null ? null : v instanceof Date ? v.toISOString().slice(0, 23) : String(v));
const rows = table.getData().map((row) => columns.map((c) => cell(row[c])));
// ASCII only: Qt's JSON parser drops a U+FEFF that begins a string.
const escape = (c) => "\\u" + c.charCodeAt(0).toString(16).padStart(4, "0");
process.stdout.write(JSON.stringify({ columns, rows }).replace(/[\u007f-\uffff]/g, escape));
