// Reads many projects into catalogue rows, one after another, handing them on
// in batches so that a progress line can follow.
const kBatch = 25;

export async function readCatalogue(core, files, report) {
  let rows = [];
  for (const [n, { file, path }] of files.entries()) {
    const bytes = new Uint8Array(await file.slice(0, core.largestFileRead + 1).arrayBuffer());
    rows.push({ ...core.catalogueRow(bytes, path), line: n });
    if (rows.length === kBatch || n === files.length - 1) {
      report(rows, n + 1);
      rows = [];
    }
  }
}
