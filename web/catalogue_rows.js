// Reads picked files for the core: the project to show, or a collection, which
// the page reads and hands on in batches; the core, in a worker or in the
// page, makes their catalogue rows.

// A read's cost is mostly the browser's own waiting, not the bytes', so many
// are kept under way at once.
const kReadsAtOnce = 16;
// Files handed on together: fewer messages, and still a progress line that moves.
const kBatch = 10;

// A file's bytes for the core: all of them, or the first `largest` and one
// more, enough for the core to refuse the file. Read as a stream, since asking
// a picked file its size (as slicing it does) costs a round trip of its own
// to the browser, more than the reading.
export async function fileBytes(file, largest) {
  const reader = file.stream().getReader();
  const chunks = [];
  let length = 0;
  for (let read = await reader.read(); !read.done; read = await reader.read()) {
    chunks.push(read.value);
    length += read.value.length;
    if (length > largest) {
      await reader.cancel();
      break;
    }
  }
  // Most files come in one piece, which needs no copying when it holds its
  // buffer alone (the buffer is handed on to a worker, not copied).
  const [first] = chunks;
  if (chunks.length === 1 && length <= largest && first.byteLength === first.buffer.byteLength) {
    return first;
  }
  const bytes = new Uint8Array(Math.min(length, largest + 1));
  let at = 0;
  for (const chunk of chunks) {
    const part = chunk.subarray(0, bytes.length - at);
    bytes.set(part, at);
    at += part.length;
  }
  return bytes;
}

// Reads each of `files` ({file, path, line}) as fileBytes does and hands them
// to `take` in batches of {bytes, path, line}, in the order the reads finish.
// A file the browser cannot read comes with no bytes.
export async function readBatches(files, largest, take) {
  let next = 0;
  let batch = [];
  const reader = async () => {
    while (next < files.length) {
      const { file, path, line } = files[next++];
      const bytes = await fileBytes(file, largest).catch(() => null);
      batch.push({ bytes, path, line });
      if (batch.length === kBatch) {
        take(batch);
        batch = [];
      }
    }
  };
  await Promise.all(Array.from({ length: kReadsAtOnce }, reader));
  if (batch.length > 0) take(batch);
}

// The core's row for each file of a batch; each row keeps its file's line.
export function catalogueRows(core, batch) {
  return batch.map(({ bytes, path, line }) => ({
    ...(bytes ? core.catalogueRow(bytes, path) : core.unreadableRow(path)),
    line,
  }));
}
