// Reads many projects into catalogue rows, one after another, handing them on
// in batches so that a progress line can follow.
const kBatch = 25;

// A worker reads at once (each read's cost is mostly the browser's, not the
// bytes'); the page awaits. A file within the size is read as it is, which
// spares the browser making a slice of it.
function bytesOf(file, size) {
  const part = file.size > size ? file.slice(0, size) : file;
  if (typeof FileReaderSync === 'function') {
    return new Uint8Array(new FileReaderSync().readAsArrayBuffer(part));
  }
  return part.arrayBuffer().then((buffer) => new Uint8Array(buffer));
}

// `files` are {file, path, line}; each row keeps its file's line.
export async function readCatalogue(core, files, report) {
  let rows = [];
  for (const [n, { file, path, line }] of files.entries()) {
    const bytes = await bytesOf(file, core.largestFileRead + 1);
    rows.push({ ...core.catalogueRow(bytes, path), line });
    if (rows.length === kBatch || n === files.length - 1) {
      report(rows);
      rows = [];
    }
  }
}
