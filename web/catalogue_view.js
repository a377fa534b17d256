// The catalogue of a folder or many files, and the comparison of two of them:
// the rows and lines are the core's, this only lays them out.
import { catalogueRows, fileBytes, readBatches } from './catalogue_rows.js';

const $ = (id) => document.getElementById(id);

// Which rows each choice of the filter keeps.
const kFilters = {
  all: () => true,
  small: (row) => !row.refused && row.fitsSmall,
  large: (row) => !row.refused && !row.fitsSmall,
  refused: (row) => Boolean(row.refused),
};

let page = null;
let files = [];
let rows = [];
let sortColumn = 0;
let sortDescending = false;
let chosen = [];
let csvUrl = null;
let readers = [];

function compareCells(a, b) {
  const x = Number(a);
  const y = Number(b);
  if (a !== '' && b !== '' && !Number.isNaN(x) && !Number.isNaN(y)) return x - y;
  return a < b ? -1 : Number(a > b);
}

function sortedRows() {
  const cell = (row) => (row.refused ? (sortColumn === 0 ? row.path : '') : row.cells[sortColumn]);
  const order = [...rows].sort((a, b) => compareCells(cell(a), cell(b)) || a.line - b.line);
  return sortDescending ? order.reverse() : order;
}

function chooseRow(row, checked) {
  chosen = chosen.filter((line) => line !== row.line);
  if (checked) chosen.push(row.line);
  $('compare').disabled = chosen.length !== 2;
}

function rowElement(body, row, columns) {
  const element = body.insertRow();
  element.dataset.line = row.line;
  const pick = element.insertCell();
  const box = document.createElement('input');
  box.type = 'checkbox';
  box.checked = chosen.includes(row.line);
  box.disabled = Boolean(row.refused);
  box.setAttribute('aria-label', `Choose ${row.path} for comparing`);
  box.addEventListener('change', () => chooseRow(row, box.checked));
  pick.append(box);
  if (row.refused) {
    element.insertCell().textContent = row.path;
    const message = element.insertCell();
    message.colSpan = columns - 1;
    message.className = 'refusal';
    message.textContent = row.refused;
    return;
  }
  for (const text of row.cells) element.insertCell().textContent = text;
  element.tabIndex = 0;
  element.classList.add('opens');
}

function showRows() {
  const table = $('catalogue-table');
  const headings = page.core().catalogueHeading();
  table.replaceChildren();
  const headRow = table.createTHead().insertRow();
  headRow.append(document.createElement('th'));
  headings.forEach((text, col) => {
    const th = document.createElement('th');
    th.scope = 'col';
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'sort';
    button.textContent = text;
    if (col === sortColumn) th.setAttribute('aria-sort', sortDescending ? 'descending' : 'ascending');
    button.addEventListener('click', () => {
      sortDescending = col === sortColumn && !sortDescending;
      sortColumn = col;
      showRows();
    });
    th.append(button);
    headRow.append(th);
  });
  const keep = kFilters[$('catalogue-filter').value];
  const body = table.createTBody();
  for (const row of sortedRows()) if (keep(row)) rowElement(body, row, headings.length);
}

function saveLink() {
  if (csvUrl) URL.revokeObjectURL(csvUrl);
  const read = [...rows].sort((a, b) => a.line - b.line).filter((row) => !row.refused);
  const csv = page.core().catalogueCsvHeading() + read.map((row) => row.csv).join('');
  csvUrl = URL.createObjectURL(new Blob([csv], { type: 'text/csv' }));
  return csvUrl;
}

function save() {
  const link = document.createElement('a');
  link.href = saveLink();
  link.download = 'catalogue.csv';
  link.click();
}

async function compare() {
  const [a, b] = chosen.map((line) => files[line]);
  const largest = page.core().largestFileRead;
  const diff = page.core().compareProjects(await fileBytes(a.file, largest), a.path,
    await fileBytes(b.file, largest), b.path);
  $('comparison').hidden = false;
  if (diff.refused) {
    page.showMessage($('message'), diff.refused);
    return;
  }
  $('comparison-changes').replaceChildren(...diff.lines.map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
  $('comparison-text').textContent = diff.textDiff;
  $('comparison-text').hidden = !diff.textDiff;
}

// Workers, one a processor core and two at most, make the rows, so that the
// page keeps answering; the single file, which cannot start one, makes them
// itself between reads. Rows of an earlier folder still coming are dropped.
function startReading(report) {
  readers.forEach((worker) => worker.terminate());
  readers = [];
  const reading = files;
  const current = (take) => (data) => {
    if (files === reading) take(data);
  };
  const largest = page.core().largestFileRead;
  if (document.body.dataset.singleFile) {
    return readBatches(files, largest, current((batch) => report(catalogueRows(page.core(), batch))));
  }
  const count = Math.min(2, navigator.hardwareConcurrency || 1, files.length);
  const workers = Array.from({ length: count }, () => {
    const worker = new Worker(new URL('catalogue_worker.js', import.meta.url), { type: 'module' });
    worker.onerror = (event) => {
      event.preventDefault();
      page.failed(event.message);
    };
    worker.onmessage = current(({ data }) => (typeof data === 'string'
      ? page.failed(data) : report(data)));
    return worker;
  });
  readers = workers;
  let turn = 0;
  return readBatches(files, largest, (batch) => {
    const buffers = batch.flatMap(({ bytes }) => (bytes ? [bytes.buffer] : []));
    workers[turn++ % count].postMessage(batch, buffers);
  });
}

export async function openCatalogue(picked, context) {
  page = context;
  await page.coreReady();
  files = picked.map((file) => ({ file, path: file.webkitRelativePath || file.name }))
    .sort((a, b) => (a.path < b.path ? -1 : Number(a.path > b.path)))
    .map((entry, line) => ({ ...entry, line }));
  rows = [];
  chosen = [];
  $('compare').disabled = true;
  $('catalogue').hidden = false;
  $('comparison').hidden = true;
  $('catalogue-progress').textContent = `Reading 0 of ${files.length} files…`;
  showRows();
  await startReading((batch) => {
    rows.push(...batch.map((row) => ({ ...row, path: files[row.line].path })));
    const done = rows.length;
    $('catalogue-progress').textContent = done === files.length
      ? `${files.length} files read.` : `Reading ${done} of ${files.length} files…`;
    if (done < files.length) return;
    readers.forEach((worker) => worker.terminate());
    showRows();
  });
}

$('catalogue-filter').addEventListener('change', () => showRows());
$('save-catalogue').addEventListener('click', save);
$('compare').addEventListener('click', () => compare().catch((error) => page.failed(error)));
// The project of a row opens in the views below, which come into sight.
async function openRow(row) {
  await page.openFile(files[Number(row.dataset.line)].file);
  $('project').scrollIntoView();
}

$('catalogue-table').addEventListener('click', (event) => {
  const row = event.target.closest('tr.opens');
  if (row && !event.target.closest('input')) openRow(row);
});
$('catalogue-table').addEventListener('keydown', (event) => {
  const row = event.target.closest('tr.opens');
  if (row && event.key === 'Enter') openRow(row);
});
