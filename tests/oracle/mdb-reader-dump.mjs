// Prints a table of an Access file as CSV, read by the npm package mdb-reader: a line of column
// names, then a line per row; every value in double quotes (a quote inside it doubled), NULL an
// empty field without quotes, dates as YYYY-MM-DDTHH:MM:SS.mmm in UTC (the reader's own reading).
import MDBReader from "mdb-reader";
import { readFileSync } from "node:fs";

const [file, tableName] = process.argv.slice(2);
const table = new MDBReader(readFileSync(file)).getTable(tableName);
const columns = table.getColumnNames();
const text = (v) => (v instanceof Date ? v.toISOString().slice(0, 23) : String(v));
const field = (v) => (v === null || v === undefined ? "" : '"' + text(v).replaceAll('"', '""') + '"');
const lines = [columns.join(","), ...table.getData().map((row) => columns.map((c) => field(row[c])).join(","))];
process.stdout.write(lines.join("\n") + "\n");
